#include "view/ViewTransform.h"

#include <cmath>
#include <numbers>

namespace zorvane {

void recomputeView(ViewTransform& v, const PointTable& points, const ScreenPositions& screen,
                   CaseMode mode) {
    // Both scans start from the first position: a fixed start such as +-32767 would stretch the
    // extents of survey coordinates far beyond their points.
    if (const Extents e = screenExtents(screen); !e.empty())
        v.sxmin = e.x0, v.sxmax = e.x1, v.symin = e.y0, v.symax = e.y1;
    if (const Extents e = worldExtents(points, mode); !e.empty())
        v.wxmin = e.x0, v.wxmax = e.x1, v.wymin = e.y0, v.wymax = e.y1;
    // A ratio needs both ranges: surface positions placed under different transforms can
    // differ by rounding noise where the world values are equal, and an infinite scale
    // would turn every later position into NaN.
    const double rsx = v.sxmax - v.sxmin, rwx = v.wxmax - v.wxmin;
    const double rsy = v.symax - v.symin, rwy = v.wymax - v.wymin;
    if (rsx != 0 && rwx != 0)
        v.s = rsx / rwx;
    else if (rsy != 0 && rwy != 0)
        v.s = rsy / rwy;
    else
        v.s = 1.0;
}

ScreenPos worldToScreen(const ViewTransform& v, WorldPos w) {
    return {(w.x - v.wxmin) * v.s + v.sxmin, v.symax - (w.y - v.wymin) * v.s};
}

WorldPos screenToWorld(const ViewTransform& v, int px, int py) {
    return {(px - v.sxmin) / v.s + v.wxmin, (v.symax - py) / v.s + v.wymin};
}

void panView(ScreenPositions& screen, int dx, int dy) {
    screen.forEachMutable([dx, dy](ScreenPos& p) {
        p.x += dx;
        p.y += dy;
    });
}

void zoomAbout(ScreenPositions& screen, int cx, int cy, double f) {
    screen.forEachMutable([cx, cy, f](ScreenPos& p) {
        p.x = cx + (p.x - cx) * f;
        p.y = cy + (p.y - cy) * f;
    });
}

void rebuildScreenPositions(ScreenPositions& screen, const PointTable& points, CaseMode mode) {
    screen.clear();
    for (const PointRecord& p : points) {
        const WorldPos w = worldPosition(p, mode);
        screen.push_back({w.x, -w.y});
    }
}

PolarReading worldToPolar(double x, double y) {
    double bearing = (std::numbers::pi / 2 - std::atan2(y, x)) * 180 / std::numbers::pi;
    if (bearing < 0) bearing += 360;
    return {bearing, std::sqrt(x * x + y * y)};
}

PointRecord worldToNesw(double x, double y) {
    PointRecord r;
    // 0 - x rather than -x: the origin reads 0, never -0.
    if (x > 0)
        r.m2 = x;
    else
        r.m4 = 0 - x;
    if (y > 0)
        r.m1 = y;
    else
        r.m3 = 0 - y;
    return r;
}

} // namespace zorvane
