#pragma once
// Coordinate text files in. One point per line; the import kind's options say how a line is
// cut into fields and which field holds which value (see ImportOptions). The file is read and
// turned into a whole new case aside; the caller replaces the open case only with a complete
// result, so an import that fails or is cancelled leaves the open case as it was.
//
// Encoding: a file that is valid UTF-8 is read as UTF-8 (a leading byte order mark is
// dropped), any other file as Windows-1252. Texts are kept in Windows-1252 like everything a
// case stores; a character Windows-1252 lacks becomes '?'.
#include "files/ImportErrorList.h"
#include "files/ProgressMeter.h"
#include "model/ImportOptions.h"
#include "model/PointRecord.h"
#include "model/ProgramOptions.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// The " Import Errors" window (TForm11).
inline constexpr std::string_view kImportErrorsCaption = " Import Errors";
inline constexpr std::string_view kImportErrorsHeading =
    "There were errors while importing file  in the following lines:";
inline constexpr std::string_view kImportErrorsHint = "Please check Import Options";

// Limits that keep a hostile or mistaken file from exhausting memory. A case file holds
// somewhat fewer than 18 million points; larger coordinate files are refused outright.
inline constexpr std::size_t kMaxCoordinateFileSize = std::size_t{1} << 30;
inline constexpr std::size_t kMaxImportedPoints = std::size_t{1} << 24;
// Reading a file is quick next to parsing it: it takes this share of the progress bar.
inline constexpr double kImportReadShare = 0.1;

// A file that cannot be imported at all. what() is a sentence for the user.
class CoordinateFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A new case made from a coordinate file, ready to replace the open case.
struct ImportedCase {
    CaseMode mode = CaseMode::Xyz;
    PointTable points; // accepted lines in file order
    std::int32_t lastPointNumber = 0;
    std::vector<std::string> descriptors; // the description list (cp1252)
    // One entry per rejected line in file order: the line number, ". ", the trimmed line
    // (cp1252). Past kMaxListedImportErrors entries, a last one says how many lines follow.
    std::vector<std::string> errors;
    std::size_t rejectedLines = 0; // all of them, listed or not
};

// Imports the bytes of a coordinate file as a case of mode `kind`, read with that kind's
// section of `options`. The new case starts as a new case does (last point number = first
// point number - 1); values are taken as numbers in the default unit, unconverted.
// Numbers are read with `decimalSeparator`; when that is also the field separator (no field
// could then hold it), with the other of '.' and ',' instead.
// Throws CoordinateFileError when the file holds more than kMaxImportedPoints points; returns
// nothing when `progress` asks to stop.
std::optional<ImportedCase>
importCoordinateText(std::string_view bytes, CaseMode kind, const ImportOptions& options,
                     const ProgramOptions& program, char decimalSeparator,
                     const ProgressCallback& progress = {}, double from = 0, double to = 1);

// The bytes of a file to import, its reading reported on [0, to] of the progress. Throws
// CoordinateFileError with the system's reason, or for a file larger than
// kMaxCoordinateFileSize; nothing when `progress` asks to stop.
std::optional<std::string> readImportFile(const std::filesystem::path& path,
                                          const ProgressCallback& progress, double to);

// Reads the file as above and imports it.
std::optional<ImportedCase> importCoordinateFile(const std::filesystem::path& path, CaseMode kind,
                                                 const ImportOptions& options,
                                                 const ProgramOptions& program,
                                                 char decimalSeparator,
                                                 const ProgressCallback& progress = {});

} // namespace zorvane
