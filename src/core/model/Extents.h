#pragma once
// The smallest box holding a set of positions. Positions that are not numbers are left out.
#include <limits>

namespace zorvane {

struct Extents {
    double x0 = std::numeric_limits<double>::infinity();
    double x1 = -std::numeric_limits<double>::infinity();
    double y0 = std::numeric_limits<double>::infinity();
    double y1 = -std::numeric_limits<double>::infinity();

    bool empty() const { return !(x0 <= x1); }
    void add(double x, double y) {
        if (x != x || y != y) return;
        if (x < x0) x0 = x;
        if (x > x1) x1 = x;
        if (y < y0) y0 = y;
        if (y > y1) y1 = y;
    }
    void add(const Extents& e) {
        if (e.empty()) return;
        add(e.x0, e.y0);
        add(e.x1, e.y1);
    }
};

} // namespace zorvane
