#pragma once
// impop.ini: the import options record, 356 bytes, little-endian, reserved bytes zero.
#include "files/OptionFile.h"
#include "model/ImportOptions.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

namespace zorvane {

inline constexpr std::size_t kImportOptionsSize = 356;
inline constexpr const char* kImportOptionsFileName = "impop.ini";

std::array<std::uint8_t, kImportOptionsSize> serialiseImportOptions(const ImportOptions& options);

// Reads the first kImportOptionsSize bytes. Throws OptionFileError when there are fewer, or
// when a flag is not 0 or 1 or a text's length byte exceeds its capacity.
ImportOptions parseImportOptions(std::span<const std::uint8_t> bytes);

// Never throws for the file's sake: see OptionFileLoad.
OptionFileLoad<ImportOptions> loadImportOptions(const std::filesystem::path& path);

// Replaces the file atomically; throws FileWriteError (a sentence for the user).
void saveImportOptions(const std::filesystem::path& path, const ImportOptions& options);

} // namespace zorvane
