#pragma once
// The 2D polyline vertices of an arc definition. Three points give one bulged segment from
// the first point to the third: the arc of at most 180 degrees, bulging to the side the three
// points turn to (arcBulge). Four entries ask for the whole circle: the first point to the
// third and back again, the two sweeps together making the circle through the three points.
#include <array>
#include <cstddef>

namespace zorvane {

struct BulgedVertex {
    double x = 0, y = 0, bulge = 0;
    friend bool operator==(const BulgedVertex&, const BulgedVertex&) = default;
};

struct ArcVertices {
    std::array<BulgedVertex, 4> vertices;
    std::size_t count = 0;
};

// Points in world units, y up. Collinear or coincident points give straight segments
// (bulge 0).
ArcVertices arcVertices(double x0, double y0, double x1, double y1, double x2, double y2,
                        bool fullCircle);

} // namespace zorvane
