#pragma once
// Where each point sits on the drawing surface, parallel to the point table: the only store of
// pan and zoom. Pixels, x to the right and y downwards, fractions kept.
#include <vector>

namespace zorvane {

struct ScreenPos {
    double x = 0, y = 0;
    friend bool operator==(const ScreenPos&, const ScreenPos&) = default;
};
using ScreenPositions = std::vector<ScreenPos>;

// A whole pixel on the surface.
struct PixelPos {
    int x = 0, y = 0;
    friend bool operator==(const PixelPos&, const PixelPos&) = default;
};

} // namespace zorvane
