#include "dxf/ArcVertices.h"

#include "view/ArcGeometry.h"

#include <cmath>

namespace zorvane {

ArcVertices arcVertices(double x0, double y0, double x1, double y1, double x2, double y2,
                        bool fullCircle) {
    double b = arcBulge(x0, y0, x1, y1, x2, y2);
    // Points so nearly in line that the circle overflows: a straight segment.
    if (!std::isfinite(b)) b = 0;
    ArcVertices arc;
    if (!fullCircle) {
        arc.vertices[0] = {x0, y0, b};
        arc.vertices[1] = {x2, y2, 0};
        arc.count = 2;
        return arc;
    }
    // A bulge is tan(sweep / 4), so the two sweeps of one circle, s and 360 - s, have
    // reciprocal bulges of the same sign. b is the sweep of at most 180 degrees; the middle
    // point lies on it exactly when it sees the chord at 90 degrees or more (the inscribed
    // angle), and then b leads; otherwise the longer sweep through the middle point leads.
    // Either way the first segment passes through the middle point and the two make the
    // circle through all three.
    double first = b, second = b;
    if (b != 0) {
        const bool middleOnShortSweep = (x0 - x1) * (x2 - x1) + (y0 - y1) * (y2 - y1) <= 0;
        first = middleOnShortSweep ? b : 1 / b;
        second = middleOnShortSweep ? 1 / b : b;
    }
    arc.vertices[0] = {x0, y0, first};
    arc.vertices[1] = {x2, y2, 0};
    arc.vertices[2] = {x2, y2, second};
    arc.vertices[3] = {x0, y0, 0};
    arc.count = 4;
    return arc;
}

} // namespace zorvane
