#include "view/CircleIntersection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zorvane {
namespace {

constexpr double kTolerance = 1e-9;

// The sine from the triangle's area (d h / 2 = ra rb sin / 2), which stays accurate where the
// circles almost touch; the cosine from the law of cosines says on which side of 90 it lies.
void setCrossing(CircleIntersection& c, double ra, double rb, double h) {
    const double d = c.centreDistance;
    if (ra * rb == 0) { // a circle of no size touches the other at its centre
        c.errorFactor = std::numeric_limits<double>::infinity();
        return;
    }
    const double sine = std::clamp(d * h / (ra * rb), 0.0, 1.0);
    const double cosine = (ra * ra + rb * rb - d * d) / (2 * ra * rb);
    c.crossingAngle = std::atan2(sine, cosine) * 180.0 / std::numbers::pi;
    c.errorFactor = sine > 0 ? std::numbers::sqrt2 / sine : std::numeric_limits<double>::infinity();
}

} // namespace

CircleIntersection intersectCircles(WorldPos a, double ra, WorldPos b, double rb) {
    CircleIntersection c;
    ra = std::fabs(ra);
    rb = std::fabs(rb);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double d = std::hypot(dx, dy);
    c.centreDistance = d;
    if (d == 0) return c;
    const double slack = kTolerance * (d + ra + rb);
    if (ra + rb < d - slack) {
        c.meeting = CircleMeeting::TooFarApart;
        return c;
    }
    if (std::fabs(ra - rb) > d + slack) {
        c.meeting = CircleMeeting::OneInsideOther;
        return c;
    }
    const bool touching = ra + rb <= d + slack || std::fabs(ra - rb) >= d - slack;
    // The foot of the point on the line of centres, and its distance from that line.
    const double along = (ra * ra - rb * rb + d * d) / (2 * d);
    const double h = touching ? 0.0 : std::sqrt(std::max(0.0, ra * ra - along * along));
    const double ux = dx / d, uy = dy / d;
    const WorldPos foot{a.x + along * ux, a.y + along * uy};
    c.left = {foot.x - h * uy, foot.y + h * ux};
    c.right = {foot.x + h * uy, foot.y - h * ux};
    c.meeting = touching ? CircleMeeting::Touching : CircleMeeting::Crossing;
    setCrossing(c, ra, rb, h);
    return c;
}

} // namespace zorvane
