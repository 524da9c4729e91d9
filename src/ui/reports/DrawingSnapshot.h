#pragma once
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace zorvane::ui {

// The drawing as the reports take it: the bitmap file "tq$$$.bmp" and the same picture as PNG
// bytes to embed.
struct DrawingSnapshot {
    std::filesystem::path bitmap;
    std::vector<std::uint8_t> png;
};

// Writes the bitmap into the program's folder or, when that cannot be written, into the user's
// cache folder, and encodes the PNG. Throws ReportError naming where it could not be written.
DrawingSnapshot takeDrawingSnapshot(const QImage& drawing,
                                    const std::filesystem::path& programFolder);

// The folder for the bitmap when the program's folder cannot take it.
std::filesystem::path userCacheFolder();

} // namespace zorvane::ui
