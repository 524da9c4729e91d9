#pragma once
// progop.ini: the program options as one 152-byte little-endian record, read at start-up and
// written at quit.
#include "files/OptionFile.h"
#include "model/ProgramOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace zorvane {

inline constexpr std::size_t kProgramOptionsSize = 152;
inline constexpr const char* kProgramOptionsFileName = "progop.ini";

// The record's bytes: fields at their offsets, reserved bytes zero.
std::array<std::uint8_t, kProgramOptionsSize> serialiseProgramOptions(const ProgramOptions& o);

// The record held by exactly kProgramOptionsSize bytes. Throws OptionFileError when the size
// is wrong or a value cannot be right: a default unit outside 0..5, decimals outside 0..4, or
// a first point number whose predecessor does not exist. Reserved bytes are ignored; a flag
// byte other than 0 counts as set.
ProgramOptions parseProgramOptions(std::span<const std::uint8_t> bytes);

// Reads the file; a missing, short or damaged file gives the defaults and the reset message.
OptionFileLoad<ProgramOptions> loadProgramOptions(const std::filesystem::path& path);

// Writes the file atomically (creating its folder). Throws FileWriteError, whose what() is the
// sentence for the user; a previous file is then left as it was.
void saveProgramOptions(const std::filesystem::path& path, const ProgramOptions& o);

} // namespace zorvane
