#pragma once
// Where reports come from and go: the template in the program's folder, and a fresh file in
// the user's folder that never replaces an existing one.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace zorvane {

// The drawing as a bitmap file, written afresh for every report.
inline constexpr const char* kDrawingBitmapName = "tq$$$.bmp";

// The template `name` in the program's folder; an installed program keeps its templates in
// ../share/zorvane beside its folder. When neither holds it, the program folder's path (so
// that a message names where it was expected).
std::filesystem::path reportTemplatePath(const std::filesystem::path& programFolder,
                                         std::string_view name);

// The "file:" URL of a file for an office suite: "file://" and the absolute path, every byte
// but letters, digits, "-._~" and "/" percent-encoded ("/opt/tq$$$.bmp" gives
// "file:///opt/tq%24%24%24.bmp").
std::string fileUrl(const std::filesystem::path& path);

// A file name stem from the case name (UTF-8): characters file systems refuse (/ \ : * ? " < >
// | and controls) become '_', blanks and dots are trimmed from both ends, at most 100 bytes
// (whole characters); "Case report" when nothing is left.
std::string reportFileStem(std::string_view caseName);

// "<stem>.<extension>" in `folder`, or "<stem> (2).<extension>", "(3)" ... the first that no
// file (nor link) has.
std::filesystem::path freshReportPath(const std::filesystem::path& folder,
                                      std::string_view caseName, std::string_view extension);

// Writes the bytes to a hidden temporary file in `folder`, makes it durable, then gives it a
// fresh name (as freshReportPath) without ever replacing a file, even one that appears
// meanwhile. Returns the path. Throws ReportError naming the folder and the reason; the
// temporary file is removed then.
std::filesystem::path saveNewReport(const std::filesystem::path& folder, std::string_view caseName,
                                    std::string_view extension,
                                    std::span<const std::uint8_t> bytes);

} // namespace zorvane
