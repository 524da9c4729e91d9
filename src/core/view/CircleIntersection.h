#pragma once
// Where two circles meet: the point fixed by two measured distances from two known points.
#include "model/PointRecord.h"

namespace zorvane {

enum class CircleMeeting {
    Crossing,       // two points, one each side of the line through the centres
    Touching,       // one point, on that line
    TooFarApart,    // ra + rb < d: the circles do not reach each other
    OneInsideOther, // |ra - rb| > d: the smaller lies inside the larger
    SameCentre,     // d = 0
};

struct CircleIntersection {
    CircleMeeting meeting = CircleMeeting::SameCentre;
    double centreDistance = 0; // d
    WorldPos left, right;      // seen from the first centre towards the second; equal when touching
    // The angle between the two radii at the meeting point, in degrees, 0 to 180. Near 0 or 180
    // the circles almost touch and a small error in a radius moves the point far.
    double crossingAngle = 0;
    // How far the point moves for the same small error in both radii, per unit of that error.
    double errorFactor = 0;
};

// Radii are taken as positive. Within a billionth of the sizes involved, circles that just
// fail to meet or just overlap are taken as touching: the numbers came from a tape.
CircleIntersection intersectCircles(WorldPos a, double ra, WorldPos b, double rb);

} // namespace zorvane
