#pragma once
// Elliptic arcs as polylines, flattened only where they cross a rectangle (the surface): an
// arc through three nearly collinear points has a radius of millions of pixels, and all but a
// sliver of it lies far off the plan.
#include "ui/view/LineRaster.h"

#include <functional>
#include <span>

namespace zorvane::ui {

// The ellipse with centre (cx, cy) and half axes ax, ay, in surface pixels (y down). Angles
// are the ellipse's own parameter t, the point (cx + ax cos t, cy - ay sin t): counter-clockwise
// on the screen from 3 o'clock.
struct EllipseArc {
    double cx = 0, cy = 0, ax = 0, ay = 0;
    double start = 0, sweep = 0; // radians; sweep in (0, 2 pi]
};

struct VisibleBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// Calls `run` with the vertices of each part of the arc inside the box, in the arc's direction;
// no vertex strays more than `tolerance` pixels from the curve. The arc's own ends, where they
// lie in the box, are vertices.
void flattenArc(const EllipseArc& arc, const VisibleBox& box, double tolerance,
                const std::function<void(std::span<const RasterPoint>)>& run);

} // namespace zorvane::ui
