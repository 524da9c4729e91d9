#pragma once
// The case file (.zvr): the whole case as fixed-size little-endian records in a fixed order —
// header, incident description, points, polylines, images and a trailer holding the legend.
// Opening is done in two steps so that a damaged file never touches the open case: the bytes
// are parsed and checked in full first, and only a complete result replaces the case.
#include "model/CaseData.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvane {

// A file that cannot be opened, read or understood as a case. what() is a sentence for the user.
class CaseFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The version check's message, shown as it is.
inline constexpr const char* kNotACaseFileMessage = "This is not a Zorvane 1.0 file.";

// Offsets and sizes are int32 in the file and the image store; nothing larger is written or read.
inline constexpr std::size_t kMaxCaseFileSize = 0x7FFFFFFF;

// Everything a case file holds, checked and ready to replace the open case.
struct CaseFileContents {
    std::int32_t lastPointNumber = 0;
    std::int32_t mode = 0;       // as stored: 0 XYZ, 1 Polar, anything else NESW
    std::string caseName;        // cp1252
    std::string caseDescription; // cp1252
    std::int32_t unit = 0;       // as stored; clamped when applied
    std::int32_t decimals = 0;   // as stored; clamped when applied
    IncidentRecord incident;
    PointTable points;
    PolylineTable polylines;
    ImageStore images;
    std::optional<LegendRecord> legend; // none when the file has no trailer
    std::string note; // a remark for the user about what was read, empty when none
};

// The note of a file cut inside its trailer.
inline constexpr const char* kLegendResetNote =
    "The legend of this case file was incomplete; it has been reset to the default legend.";

// The mode a stored mode value opens as.
CaseMode caseModeFromFile(std::int32_t stored);

// Size in bytes of the file serialiseCase writes.
std::size_t caseFileSize(const CaseData& doc, bool saveImages);

// The bytes of the case file. With saveImages off the image count is 0 and no image follows
// (the images stay in the document). Throws CaseFileError when the case is too large to store.
std::vector<std::uint8_t> serialiseCase(const CaseData& doc, bool saveImages);

// Writes the case file atomically (see writeFileAtomically): on failure a FileWriteError is
// thrown and a previous file of that name is kept. The clean flag is the caller's to set.
void saveCaseFile(const std::filesystem::path& path, const CaseData& doc, bool saveImages);

// Parses and checks a whole case file. Throws CaseFileError, before allocating anything for
// a count, when the bytes are not a case file or are cut short or inconsistent. The trailer is
// optional: a file ending after the images, or holding another value than the marker there,
// has no legend; a file cut inside the trailer has none either and carries a note. Bytes after
// the legend are ignored.
CaseFileContents parseCaseFile(std::span<const std::uint8_t> bytes);

// Reads and parses the file at `path`. Throws CaseFileError (with the path for system errors).
CaseFileContents loadCaseFile(const std::filesystem::path& path);

} // namespace zorvane
