#include "ui/view/ArcPolyline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zorvane::ui {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// However large the arc, a part of it on the surface needs no more vertices than this.
constexpr double kMaxVerticesPerPart = 1 << 16;

RasterPoint pointAt(const EllipseArc& arc, double t) {
    return {arc.cx + arc.ax * std::cos(t), arc.cy - arc.ay * std::sin(t)};
}

bool inside(const VisibleBox& box, RasterPoint p) {
    return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
}

// Offsets from the start (0..sweep) where the ellipse crosses the lines of the box's edges,
// with both ends of the arc.
std::vector<double> crossings(const EllipseArc& arc, const VisibleBox& box) {
    std::vector<double> cuts{0, arc.sweep};
    auto add = [&](double t) {
        double s = std::fmod(t - arc.start, kTwoPi);
        if (s < 0) s += kTwoPi;
        if (s > 0 && s < arc.sweep) cuts.push_back(s);
    };
    for (const double x : {box.left, box.right}) {
        const double c = arc.ax > 0 ? (x - arc.cx) / arc.ax : 2;
        if (std::abs(c) <= 1) add(std::acos(c)), add(-std::acos(c));
    }
    for (const double y : {box.top, box.bottom}) {
        const double s = arc.ay > 0 ? (arc.cy - y) / arc.ay : 2;
        if (std::abs(s) <= 1) add(std::asin(s)), add(std::numbers::pi - std::asin(s));
    }
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

} // namespace

void flattenArc(const EllipseArc& arc, const VisibleBox& box, double tolerance,
                const std::function<void(std::span<const RasterPoint>)>& run) {
    const double radius = std::max(arc.ax, arc.ay);
    // The chord of a step strays at most `tolerance` from the curve.
    const double step =
        radius > tolerance ? 2 * std::acos(1 - tolerance / radius) : std::numbers::pi / 2;
    const std::vector<double> cuts = crossings(arc, box);
    std::vector<RasterPoint> vertices;
    auto flush = [&] {
        if (!vertices.empty()) run(vertices);
        vertices.clear();
    };
    for (std::size_t k = 0; k + 1 < cuts.size(); ++k) {
        const double s0 = cuts[k], s1 = cuts[k + 1];
        if (s1 <= s0) continue;
        if (!inside(box, pointAt(arc, arc.start + (s0 + s1) / 2))) {
            flush();
            continue;
        }
        const double n = std::clamp(std::ceil((s1 - s0) / step), 1.0, kMaxVerticesPerPart);
        const int steps = static_cast<int>(n);
        // Rotating (cos, sin) by the step saves two library calls per vertex; the ends are
        // placed exactly.
        const double delta = (s1 - s0) / n, cd = std::cos(delta), sd = std::sin(delta);
        double c = std::cos(arc.start + s0), s = std::sin(arc.start + s0);
        if (vertices.empty()) vertices.push_back({arc.cx + arc.ax * c, arc.cy - arc.ay * s});
        for (int i = 1; i < steps; ++i) {
            const double next = c * cd - s * sd;
            s = s * cd + c * sd, c = next;
            vertices.push_back({arc.cx + arc.ax * c, arc.cy - arc.ay * s});
        }
        vertices.push_back(pointAt(arc, arc.start + s1));
    }
    flush();
}

} // namespace zorvane::ui
