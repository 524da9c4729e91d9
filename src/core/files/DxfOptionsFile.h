#pragma once
// qkrdxfop.ini: the DXF export options as one 224-byte little-endian record, the whole file.
// The window and the export read it every time; neither may be stopped by a missing or
// damaged file, so reading falls back to the defaults and says so.
#include "files/OptionFile.h"
#include "model/DxfExportOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr std::size_t kDxfOptionsFileSize = 224;
inline constexpr const char* kDxfOptionsFileName = "qkrdxfop.ini";

// The options file of a program folder.
std::filesystem::path dxfOptionsPath(const std::filesystem::path& programFolder);

std::array<std::uint8_t, kDxfOptionsFileSize> serialiseDxfOptions(const DxfExportOptions& options);

// The record in `bytes` (the first 224 are read, more are ignored). No value when the bytes
// are too few or hold something no options window writes (a flag other than 0 or 1, a text
// longer than its field, a colour outside 1 to 255, a height that is not a number); `problem`
// then says what, in a few words.
std::optional<DxfExportOptions> parseDxfOptions(std::span<const std::uint8_t> bytes,
                                                std::string* problem = nullptr);

// Never throws for the file's sake: a missing, unreadable or damaged file gives the defaults
// and the sentence to show the user once (see OptionFileLoad).
OptionFileLoad<DxfExportOptions> loadDxfOptions(const std::filesystem::path& file);

// Writes the record through writeFileAtomically: on failure a FileWriteError is thrown and the
// previous file is kept whole.
void saveDxfOptions(const std::filesystem::path& file, const DxfExportOptions& options);

// A text height edit when it is left: the number with two decimals ("2.5" -> "2.50",
// "1.456" -> "1.46"), "1.00" for a text that is not a number. `separator` is the user's
// decimal separator, used for reading and writing.
std::string normaliseTextHeight(std::string_view text, char separator);

// A text height edit read for saving; no value when it is not a number.
std::optional<double> parseTextHeight(std::string_view text, char separator);

// The conversion message for a height that is not a number: '2,5x' is not a valid floating
// point value
std::string invalidFloatMessage(std::string_view text);

} // namespace zorvane
