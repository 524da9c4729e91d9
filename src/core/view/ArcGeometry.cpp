#include "view/ArcGeometry.h"

#include "view/Canvas.h"
#include "view/ViewTransform.h"

#include <cmath>
#include <numbers>

namespace zorvane {

std::optional<CircleCentre> circleThrough(double x1, double y1, double x2, double y2, double x3,
                                          double y3) {
    const double a = x2 - x1, b = y2 - y1, c = x3 - x1, d = y3 - y1;
    const double e = a * (x1 + x2) + b * (y1 + y2);
    const double f = c * (x1 + x3) + d * (y1 + y3);
    const double g = 2 * (a * (y3 - y2) - b * (x3 - x2));
    if (g == 0) return std::nullopt;
    return CircleCentre{(d * e - b * f) / g, (a * f - c * e) / g, g};
}

void drawArc(Canvas& canvas, int x1, int y1, int x2, int y2, int x3, int y3, bool fullCircle) {
    const auto centre = circleThrough(x1, y1, x2, y2, x3, y3);
    if (!centre) return;
    const double cx = centre->cx, cy = centre->cy;
    const double r = std::sqrt((x1 - cx) * (x1 - cx) + (y1 - cy) * (y1 - cy));
    const int left = roundHalfEven(cx - r), top = roundHalfEven(cy - r);
    const int right = roundHalfEven(cx + r), bottom = roundHalfEven(cy + r);

    // x offset first: 0 straight below the centre, growing counter-clockwise on the screen.
    constexpr double kTwoPi = 2 * std::numbers::pi;
    double t1 = std::atan2(x1 - cx, y1 - cy);
    double t2 = std::atan2(x2 - cx, y2 - cy);
    const double t3 = std::atan2(x3 - cx, y3 - cy);
    if (t1 > t3) {
        if (t2 > t1) t2 -= kTwoPi;
        t1 -= kTwoPi;
    }
    if (fullCircle) canvas.arc(left, top, right, bottom, x1, y1, x1, y1);
    if (t1 <= t2 && t2 <= t3)
        canvas.arc(left, top, right, bottom, x1, y1, x3, y3);
    else
        canvas.arc(left, top, right, bottom, x3, y3, x1, y1);
}

double arcBulge(double x1, double y1, double x2, double y2, double x3, double y3) {
    const auto centre = circleThrough(x1, y1, x2, y2, x3, y3);
    if (!centre) return 0;
    constexpr double kPi = std::numbers::pi;
    auto angle = [&](double x, double y) {
        const double u = y - centre->cy, v = x - centre->cx;
        if (v != 0) return std::atan2(u, v);
        return u > 0 ? kPi / 2 : -kPi / 2;
    };
    double delta = angle(x1, y1) - angle(x3, y3);
    if (delta < 0) delta += 2 * kPi;
    if (delta > kPi) delta = 2 * kPi - delta;
    const double bulge = std::tan(delta / 4);
    return centre->g < 0 ? -bulge : bulge;
}

} // namespace zorvane
