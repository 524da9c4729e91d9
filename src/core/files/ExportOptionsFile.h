#pragma once
// qkrxyzop.ini: the coordinate export options, five flag bytes.
#include "files/OptionFile.h"
#include "model/ExportOptions.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>

namespace zorvane {

inline constexpr std::size_t kExportOptionsSize = 5;
inline constexpr const char* kExportOptionsFileName = "qkrxyzop.ini";

std::array<std::uint8_t, kExportOptionsSize> serialiseExportOptions(const ExportOptions& options);

// Reads the first kExportOptionsSize bytes. Throws OptionFileError when there are fewer or a
// byte is neither 0 nor 1.
ExportOptions parseExportOptions(std::span<const std::uint8_t> bytes);

// Never throws for the file's sake: see OptionFileLoad.
OptionFileLoad<ExportOptions> loadExportOptions(const std::filesystem::path& path);

// Replaces the file atomically; throws FileWriteError (a sentence for the user).
void saveExportOptions(const std::filesystem::path& path, const ExportOptions& options);

} // namespace zorvane
