#pragma once
// Decoded pixels as the images window draws them: 8-bit R, G, B and a fourth byte of 255 per
// pixel, rows top to bottom without padding (a QImage in Format_RGBX8888 can use them as
// they are).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorvane {

struct RgbxImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes

    std::size_t stride() const { return static_cast<std::size_t>(width) * 4; }
    const std::uint8_t* pixel(int x, int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * stride() +
               static_cast<std::size_t>(x) * 4;
    }
};

} // namespace zorvane
