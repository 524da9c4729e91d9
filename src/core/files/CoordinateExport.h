#pragma once
// Coordinate text files out: every point of a case on one comma-separated line, converted to
// the export kind's form (XYZ, Polar or NESW) whatever the case's own mode. Lines end with
// CR LF; texts are written as the case holds them (Windows-1252), "@" standing for an empty
// one, so that the import reads the file back.
#include "files/ProgressMeter.h"
#include "model/ExportOptions.h"
#include "model/PointRecord.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvane {

// Shown (caption "Error") when the output file cannot be created.
inline constexpr std::string_view kExportFileInUseMessage =
    "The file is already in use by another application. Please close the file or choose "
    "another name.";

// The export could not be written. what() is a sentence for the user: the message above when
// the file could not be created, the system's reason when writing failed later (a full disk).
// A previous file of that name is then unchanged.
class CoordinateExportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A point's values in an export kind's form: XYZ X, Y, Z; Polar bearing, length, height;
// NESW North, East, South, West, Elevation. A same-kind export keeps the stored values.
struct ExportValues {
    std::array<double, 5> v{};
    std::size_t count = 3;
};
ExportValues exportValues(const PointRecord& point, CaseMode caseMode, CaseMode kind);

// One line with its CR LF, appended to `out`. Numbers are fixed-point with `decimals` and the
// user's `decimalSeparator`, except that a decimal comma would be read as a field separator,
// so a comma locale writes its numbers with a period.
void appendExportLine(std::string& out, const PointRecord& point, CaseMode caseMode, CaseMode kind,
                      const ExportOptions& options, int decimals, char decimalSeparator);

// An exported descriptor or code that will not read back as it stands: it holds the field
// separator or a line break.
bool hasSeparatorInText(const PointRecord& point, const ExportOptions& options);

struct CoordinateExportResult {
    std::size_t pointsWritten = 0;
    // Points whose exported descriptor or code holds a comma or a line break, written as they stand
    // (the format has no quoting): the window tells the user to check the file.
    std::size_t pointsWithSeparator = 0;
};

// Writes the file atomically. Throws CoordinateExportError; returns nothing, leaving any
// previous file as it was, when `progress` asks to stop.
std::optional<CoordinateExportResult> exportCoordinates(const std::filesystem::path& path,
                                                        const PointTable& points, CaseMode caseMode,
                                                        CaseMode kind, const ExportOptions& options,
                                                        int decimals, char decimalSeparator,
                                                        const ProgressCallback& progress = {});

// What the window says after an export whose texts held separators; nothing otherwise.
std::optional<std::string> separatorWarning(const CoordinateExportResult& result);

} // namespace zorvane
