#include "support/RecordingCanvas.h"
#include "view/ArcGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace zorvane {
namespace {

using testing::RecordingCanvas;
constexpr double kPi = std::numbers::pi;

TEST(ArcGeometry, DrawArcWorkedExamples) {
    const struct {
        int x2, y2;
        bool full;
        std::vector<std::string> calls;
    } cases[] = {
        // Over the top: vertex 2 is not on the sweep from 1 to 3, so 3 to 1.
        {150, 50, false, {"arc 100 50 200 150 from 200 100 to 100 100"}},
        {150,
         50,
         true,
         {"arc 100 50 200 150 from 100 100 to 100 100",
          "arc 100 50 200 150 from 200 100 to 100 100"}},
        {150, 150, false, {"arc 100 50 200 150 from 100 100 to 200 100"}}, // under the bottom
        {150, 100, true, {}},                                              // collinear
        {100, 100, true, {}},                                              // coincident
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        drawArc(canvas, 100, 100, c.x2, c.y2, 200, 100, c.full);
        EXPECT_EQ(canvas.calls, c.calls) << c.x2 << "," << c.y2;
    }
}

TEST(ArcGeometry, DrawnArcAlwaysPassesThroughTheMiddleVertex) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-300, 300);
    for (int n = 0; n < 2000; ++n) {
        int v[6];
        for (int& c : v) c = coord(rng);
        const auto centre = circleThrough(v[0], v[1], v[2], v[3], v[4], v[5]);
        RecordingCanvas canvas;
        drawArc(canvas, v[0], v[1], v[2], v[3], v[4], v[5], false);
        ASSERT_EQ(canvas.calls.size(), centre ? 1u : 0u);
        if (!centre) continue;
        int l, t, r, b, xs, ys, xe, ye;
        ASSERT_EQ(std::sscanf(canvas.calls[0].c_str(), "arc %d %d %d %d from %d %d to %d %d", &l,
                              &t, &r, &b, &xs, &ys, &xe, &ye),
                  8);
        EXPECT_TRUE((xs == v[0] && ys == v[1] && xe == v[4] && ye == v[5]) ||
                    (xs == v[4] && ys == v[5] && xe == v[0] && ye == v[1]));
        // Counter-clockwise on the screen (y down) from the start ray, vertex 2 comes before
        // the end ray.
        auto angle = [&](double x, double y) { return std::atan2(centre->cy - y, x - centre->cx); };
        auto ccw = [](double from, double to) { return std::fmod(to - from + 4 * kPi, 2 * kPi); };
        const double start = angle(xs, ys);
        EXPECT_LE(ccw(start, angle(v[2], v[3])), ccw(start, angle(xe, ye)) + 1e-12);
    }
}

TEST(ArcGeometry, BulgeExamplesAndSwapSymmetry) {
    const double h = std::sqrt(3.0) / 2;
    const struct {
        double x1, y1, x2, y2, x3, y3, bulge;
    } cases[] = {
        {0, 0, 1, 1, 2, 0, -1}, // clockwise half circle over the top
        {2, 0, 1, 1, 0, 0, 1},
        {0, 0, 1, -1, 1.5, h, 0.5773502691896258}, // 240 degrees fold to 120: tan(pi/6)
        {0, 1, 1, 0, 0, -1, -1},                   // ends straight above and below the centre
        {0, 0, 1, 0, 2, 0, 0},                     // collinear: a straight segment
        {1, 1, 1, 1, 3, 4, 0},                     // coincident
    };
    for (const auto& c : cases)
        EXPECT_NEAR(arcBulge(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3), c.bulge, 1e-12)
            << c.x2 << "," << c.y2;

    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-1000, 1000);
    for (int n = 0; n < 1000; ++n) {
        double v[6];
        for (double& c : v) c = coord(rng);
        const double forward = arcBulge(v[0], v[1], v[2], v[3], v[4], v[5]);
        EXPECT_NEAR(arcBulge(v[4], v[5], v[2], v[3], v[0], v[1]), -forward, 1e-9);
        EXPECT_LE(std::abs(forward), 1 + 1e-12); // never more than a half circle
    }
}

} // namespace
} // namespace zorvane
