#include "files/ImageOrientation.h"

#include <cstring>
#include <utility>

namespace zorvane {

bool orientationSwapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

namespace {

// Source pixel of upright pixel (x, y) for a stored picture of w x h.
struct SourceOf {
    int orientation, w, h;
    std::pair<int, int> operator()(int x, int y) const {
        switch (orientation) {
        case 2:
            return {w - 1 - x, y};
        case 3:
            return {w - 1 - x, h - 1 - y};
        case 4:
            return {x, h - 1 - y};
        case 5:
            return {y, x};
        case 6:
            return {y, h - 1 - x};
        case 7:
            return {w - 1 - y, h - 1 - x};
        case 8:
            return {w - 1 - y, x};
        default:
            return {x, y};
        }
    }
};

} // namespace

RgbxImage orientUpright(RgbxImage stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.pixels.empty()) return stored;
    RgbxImage out;
    out.width = orientationSwapsAxes(orientation) ? stored.height : stored.width;
    out.height = orientationSwapsAxes(orientation) ? stored.width : stored.height;
    out.pixels.resize(stored.pixels.size());
    const SourceOf source{orientation, stored.width, stored.height};
    std::uint8_t* to = out.pixels.data();
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x, to += 4) {
            const auto [sx, sy] = source(x, y);
            std::memcpy(to, stored.pixel(sx, sy), 4);
        }
    return out;
}

} // namespace zorvane
