#pragma once
// The orientation tag of a photograph's EXIF data (the APP1 segment a camera writes).
#include <cstdint>
#include <span>

namespace zorvane {

// `app1` is the content of an APP1 segment after its length: "Exif\0\0" and a TIFF header
// with its first directory. Returns the orientation 1..8 found there, or 1 when the segment is
// not EXIF, holds no orientation, or is damaged. Reads nothing outside `app1`.
int exifOrientation(std::span<const std::uint8_t> app1);

} // namespace zorvane
