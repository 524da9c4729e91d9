// Arc vertices checked as geometry: the arc a CAD program draws from each bulge must lie on
// the circle through the definition's three points.
#include "dxf/ArcVertices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace zorvane {
namespace {

constexpr double kPi = std::numbers::pi;

struct Pt {
    double x, y;
};

// The arc a reader draws from a to b with this bulge: centre and signed sweep.
struct DrawnArc {
    Pt centre;
    double sweep; // counter-clockwise positive
};

DrawnArc fromBulge(Pt a, Pt b, double bulge) {
    const double sweep = 4 * std::atan(bulge);
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double h = 0.5 / std::tan(sweep / 2); // centre offset along the left normal, per chord
    return {{(a.x + b.x) / 2 - dy * h, (a.y + b.y) / 2 + dx * h}, sweep};
}

bool near(Pt p, Pt q, double scale) {
    return std::hypot(p.x - q.x, p.y - q.y) <= 1e-9 * scale;
}

// Whether p lies on the swept part of the arc from a.
bool onSweep(const DrawnArc& arc, Pt a, Pt p) {
    const double start = std::atan2(a.y - arc.centre.y, a.x - arc.centre.x);
    double turn = std::atan2(p.y - arc.centre.y, p.x - arc.centre.x) - start;
    if (arc.sweep < 0) turn = -turn;
    turn = std::fmod(turn + 4 * kPi, 2 * kPi);
    return turn <= std::fabs(arc.sweep) + 1e-9;
}

Pt circumcentre(Pt a, Pt b, Pt c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
            (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

TEST(ArcVertices, WorkedExamples) {
    const double root3 = std::sqrt(3.0);
    const struct {
        Pt p0, p1, p2;
        bool full;
        std::vector<BulgedVertex> expected;
    } cases[] = {
        {{0, 0}, {1, 1}, {2, 0}, false, {{0, 0, -1}, {2, 0, 0}}},
        {{0, 0}, {1, 1}, {2, 0}, true, {{0, 0, -1}, {2, 0, 0}, {2, 0, -1}, {0, 0, 0}}},
        // 240 degrees counter-clockwise: on its own the 120-degree arc (bulge tan 30);
        // as a circle the long sweep through the middle point first.
        {{0, 0},
         {1, -1},
         {1.5, root3 / 2},
         false,
         {{0, 0, std::tan(kPi / 6)}, {1.5, root3 / 2, 0}}},
        {{0, 0},
         {1, -1},
         {1.5, root3 / 2},
         true,
         {{0, 0, 1 / std::tan(kPi / 6)},
          {1.5, root3 / 2, 0},
          {1.5, root3 / 2, std::tan(kPi / 6)},
          {0, 0, 0}}},
        {{0, 0}, {1, 0}, {2, 0}, true, {{0, 0, 0}, {2, 0, 0}, {2, 0, 0}, {0, 0, 0}}}, // collinear
        {{0, 0}, {0, 0}, {2, 0}, false, {{0, 0, 0}, {2, 0, 0}}},                      // coincident
        {{0, 0}, {1, 1e-300}, {2, 0}, true, {{0, 0, 0}, {2, 0, 0}, {2, 0, 0}, {0, 0, 0}}},
    };
    for (const auto& c : cases) {
        const ArcVertices arc = arcVertices(c.p0.x, c.p0.y, c.p1.x, c.p1.y, c.p2.x, c.p2.y, c.full);
        ASSERT_EQ(c.expected.size(), arc.count);
        for (std::size_t i = 0; i < arc.count; ++i) {
            EXPECT_DOUBLE_EQ(c.expected[i].x, arc.vertices[i].x);
            EXPECT_DOUBLE_EQ(c.expected[i].y, arc.vertices[i].y);
            EXPECT_NEAR(c.expected[i].bulge, arc.vertices[i].bulge, 1e-12)
                << c.p1.x << "," << c.p1.y << (c.full ? " full" : "") << " vertex " << i;
        }
    }
}

TEST(ArcVertices, BulgesDrawTheCircleThroughTheThreePoints) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    int longSweeps = 0;
    for (int i = 0; i < 20000; ++i) {
        const Pt p0{coordinate(random), coordinate(random)};
        const Pt p1{coordinate(random), coordinate(random)};
        const Pt p2{coordinate(random), coordinate(random)};
        const double g = (p1.x - p0.x) * (p2.y - p1.y) - (p1.y - p0.y) * (p2.x - p1.x);
        if (std::fabs(g) < 1) continue; // nearly in line: the circle is ill-conditioned
        const Pt centre = circumcentre(p0, p1, p2);
        const double radius = std::hypot(p0.x - centre.x, p0.y - centre.y);
        const bool middleOnShortSweep =
            (p0.x - p1.x) * (p2.x - p1.x) + (p0.y - p1.y) * (p2.y - p1.y) <= 0;
        longSweeps += !middleOnShortSweep;

        const ArcVertices single = arcVertices(p0.x, p0.y, p1.x, p1.y, p2.x, p2.y, false);
        ASSERT_EQ(2u, single.count);
        const DrawnArc shortArc = fromBulge(p0, p2, single.vertices[0].bulge);
        EXPECT_LE(std::fabs(shortArc.sweep), kPi + 1e-12) << "at most half a circle";
        EXPECT_EQ(g > 0, shortArc.sweep > 0) << "bulges the way the points turn";
        if (middleOnShortSweep) {
            EXPECT_TRUE(near(centre, shortArc.centre, radius)) << i;
            EXPECT_TRUE(onSweep(shortArc, p0, p1)) << i;
        }

        const ArcVertices circle = arcVertices(p0.x, p0.y, p1.x, p1.y, p2.x, p2.y, true);
        ASSERT_EQ(4u, circle.count);
        const DrawnArc there = fromBulge(p0, p2, circle.vertices[0].bulge);
        const DrawnArc back = fromBulge(p2, p0, circle.vertices[2].bulge);
        EXPECT_TRUE(near(centre, there.centre, radius)) << i;
        EXPECT_TRUE(near(centre, back.centre, radius)) << i;
        EXPECT_TRUE(onSweep(there, p0, p1)) << i;
        EXPECT_NEAR(2 * kPi, std::fabs(there.sweep + back.sweep), 1e-9) << i;
        EXPECT_EQ(there.sweep > 0, back.sweep > 0) << "one way round";
    }
    EXPECT_GT(longSweeps, 1000) << "both kinds of arc are met";
}

} // namespace
} // namespace zorvane
