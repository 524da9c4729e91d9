#pragma once
// Files a total station writes, or a survey program exports, as a new case: Leica GSI files
// (recognised by their first block) and plain PNEZD / PENZD point files (every other text).
#include "files/CoordinateImport.h"
#include "files/PlainPointImport.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

enum class TotalStationFormat { Gsi8, Gsi16, Plain };

// What the import dialog shows before anything is read in earnest.
struct TotalStationPreview {
    TotalStationFormat format = TotalStationFormat::Plain;
    std::string formatName;         // "Leica GSI-8", "Leica GSI-16", "Plain text"
    std::vector<std::string> lines; // the first lines of the file, cp1252, cut to a screen's width
};

inline constexpr std::size_t kPreviewLines = 8;
inline constexpr std::size_t kPreviewLineLength = 120;

// The format by the first line that is not blank.
TotalStationFormat detectTotalStationFormat(std::string_view bytes);
TotalStationPreview previewTotalStationText(std::string_view head);
// Reads the start of the file; throws CoordinateFileError with the system's reason.
TotalStationPreview previewTotalStationFile(const std::filesystem::path& path);

// A GSI file as GSI, anything else as plain points in `order`. Nothing when `progress` asks
// to stop; throws CoordinateFileError (too many points, or the file as for readImportFile).
std::optional<ImportedCase> importTotalStationText(std::string_view bytes, PlainPointOrder order,
                                                   const ProgramOptions& program,
                                                   const ProgressCallback& progress = {},
                                                   double from = 0, double to = 1);
std::optional<ImportedCase> importTotalStationFile(const std::filesystem::path& path,
                                                   PlainPointOrder order,
                                                   const ProgramOptions& program,
                                                   const ProgressCallback& progress = {});

} // namespace zorvane
