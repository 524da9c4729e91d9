#include "view/ViewTransform.h"

#include <cmath>
#include <numbers>

namespace zorvane {

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

void recomputeView(ViewTransform& v, const PointTable& points, const ScreenPositions& screen, CaseMode mode) {
    if (!screen.empty()) {
        double x0 = 32767, x1 = -32767, y0 = 32767, y1 = -32767;
        for (const auto& p : screen) {
            if (p.x < x0) x0 = p.x;
            if (p.x > x1) x1 = p.x;
            if (p.y < y0) y0 = p.y;
            if (p.y > y1) y1 = p.y;
        }
        v.sxmin = x0, v.sxmax = x1, v.symin = y0, v.symax = y1;
    }
    if (!points.empty()) {
        double x0 = 1e99, x1 = -1e99, y0 = 1e99, y1 = -1e99;
        for (const auto& p : points) {
            const WorldPos w = worldPosition(p, mode);
            if (w.x < x0) x0 = w.x;
            if (w.x > x1) x1 = w.x;
            if (w.y < y0) y0 = w.y;
            if (w.y > y1) y1 = w.y;
        }
        v.wxmin = x0, v.wxmax = x1, v.wymin = y0, v.wymax = y1;
    }
    if (v.sxmax - v.sxmin != 0)
        v.s = (v.sxmax - v.sxmin) / (v.wxmax - v.wxmin);
    else if (v.symax - v.symin != 0)
        v.s = (v.symax - v.symin) / (v.wymax - v.wymin);
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
    for (auto& p : screen) {
        p.x += dx;
        p.y += dy;
    }
}

void zoomAbout(ScreenPositions& screen, int cx, int cy, double f) {
    for (auto& p : screen) {
        p.x = cx + (p.x - cx) * f;
        p.y = cy + (p.y - cy) * f;
    }
}

void rebuildScreenPositions(ScreenPositions& screen, const PointTable& points, CaseMode mode) {
    screen.resize(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const WorldPos w = worldPosition(points[i], mode);
        screen[i] = {w.x, -w.y};
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
    if (x > 0) r.m2 = x; else r.m4 = 0 - x;
    if (y > 0) r.m1 = y; else r.m3 = 0 - y;
    return r;
}

} // namespace zorvane
