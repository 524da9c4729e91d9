#pragma once
// Arcs through three points. On the plan the arc always runs through the middle point (and
// may exceed a half circle); in DXF it is the arc of at most 180 degrees between the first
// and third point, expressed as a polyline bulge.
#include <optional>

namespace zorvane {

class Canvas;

struct CircleCentre {
    double cx = 0, cy = 0;
    // Twice the cross product of (p2 - p1) and (p3 - p2): 0 for collinear or coincident
    // points, > 0 when the points turn counter-clockwise in a y-up frame.
    double g = 0;
};

// Centre of the circle through the three points; none when G is 0.
std::optional<CircleCentre> circleThrough(double x1, double y1, double x2, double y2, double x3,
                                          double y3);

// Draws, with the canvas's current pen, the arc from vertex 1 through vertex 2 to vertex 3
// (pixels, y down), and first the whole circle when asked. Collinear or coincident points
// draw nothing.
void drawArc(Canvas& canvas, int x1, int y1, int x2, int y2, int x3, int y3, bool fullCircle);

// DXF bulge of vertex 1 for the segment to vertex 3 with vertex 2 in between (world units,
// y up): tan of a quarter of the arc of at most 180 degrees, positive counter-clockwise.
// Collinear or coincident points give 0, a straight segment.
double arcBulge(double x1, double y1, double x2, double y2, double x3, double y3);

} // namespace zorvane
