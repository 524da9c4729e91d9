#include "view/PlanView.h"
#include "view/ViewTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zorvane {
namespace {

PointRecord xyz(double x, double y) {
    PointRecord p;
    p.m1 = x, p.m2 = y;
    return p;
}

// A case as opened from a file: positions rebuilt, view recomputed.
struct Opened {
    PointTable points;
    ScreenPositions screen;
    PlanView view;
    Opened(PointTable pts, int w, int h) : points(std::move(pts)) {
        view.width = w, view.height = h;
        rebuildScreenPositions(screen, points, CaseMode::Xyz);
        recomputeView(view.transform, points, screen, CaseMode::Xyz);
    }
};

TEST(ViewTransform, ZoomAllOfThreePoints) {
    Opened c({xyz(0, 0), xyz(10, 0), xyz(0, 5)}, 600, 300);
    EXPECT_EQ(c.screen, (ScreenPositions{{0, 0}, {10, 0}, {0, -5}}));
    ScreenPositions panned = c.screen; // the pan to the rounded centre: round(-2.5) is -2
    panView(panned, 300 - 5, 150 + 2);
    EXPECT_EQ(panned, (ScreenPositions{{295, 152}, {305, 152}, {295, 147}}));
    c.view.zoomFactor = 3;
    zoomAll(c.view, c.screen);
    const ScreenPositions fitted{{30, 258}, {570, 258}, {30, -12}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(c.screen[i].x, fitted[i].x, 1e-9);
        EXPECT_NEAR(c.screen[i].y, fitted[i].y, 1e-9);
    }
    EXPECT_EQ(c.view.zoomFactor, 1.0);
    EXPECT_EQ(c.view.zoomCentre, (PixelPos{300, 150}));
    recomputeView(c.view.transform, c.points, c.screen, CaseMode::Xyz);
    EXPECT_NEAR(c.view.transform.s, 54, 1e-9);
    const WorldPos w = screenToWorld(c.view.transform, 570, 258);
    EXPECT_NEAR(w.x, 10, 1e-9);
    EXPECT_NEAR(w.y, 0, 1e-9);
    EXPECT_NEAR(worldToScreen(c.view.transform, {0, 5}).y, -12, 1e-9);
}

// Survey coordinates (UTM) are far beyond any fixed starting extent: one Zoom All fits them.
TEST(ViewTransform, OneZoomAllFitsSurveyCoordinates) {
    for (double offset : {0.0, 500000.0, 4500000.0, -4500000.0}) {
        Opened c({xyz(offset + 0, offset + 0), xyz(offset + 120, offset + 35),
                  xyz(offset + 60, offset + 80)},
                 800, 600);
        zoomAll(c.view, c.screen);
        recomputeView(c.view.transform, c.points, c.screen, CaseMode::Xyz);
        for (std::size_t i = 0; i < c.screen.size(); ++i) {
            EXPECT_GE(c.screen[i].x, 0) << offset;
            EXPECT_LE(c.screen[i].x, 800) << offset;
            EXPECT_GE(c.screen[i].y, 0) << offset;
            EXPECT_LE(c.screen[i].y, 600) << offset;
        }
        // 90 % of the limiting side: 120 wide in 800 -> 720 pixels.
        EXPECT_NEAR(c.view.transform.sxmax - c.view.transform.sxmin, 720, 1e-6) << offset;
    }
}

TEST(ViewTransform, ZoomAllOfOnePointAndZoomSteps) {
    Opened one({xyz(12, -3)}, 601, 301); // W/2 = 300.5 and H/2 = 150.5 round to even
    zoomAll(one.view, one.screen);
    EXPECT_EQ(one.screen[0], (ScreenPos{300, 150}));
    recomputeView(one.view.transform, one.points, one.screen, CaseMode::Xyz);
    EXPECT_EQ(one.view.transform.s, 1.0);

    zoomStep(one.view, one.screen, 300, 150, true);
    EXPECT_EQ(zoomReadout(one.view.zoomFactor), "Zoom : 110.00%");
    zoomStep(one.view, one.screen, 300, 150, false);
    EXPECT_NE(one.view.zoomFactor, 1.0); // 0.9090909 is not the exact reciprocal
    EXPECT_EQ(zoomReadout(one.view.zoomFactor), "Zoom : 100.00%");
    EXPECT_EQ(zoomReadout(1.21), "Zoom : 121.00%");
}

TEST(ViewTransform, ScaleNeedsBothRangesOfAnAxis) {
    // Same world x, surface x apart by rounding noise: the scale comes from y, not x / 0.
    ViewTransform v;
    recomputeView(v, {xyz(2, 0), xyz(2, 10)}, {{50, 100}, {50 + 1e-9, 80}}, CaseMode::Xyz);
    EXPECT_DOUBLE_EQ(v.s, 2.0);
    recomputeView(v, {xyz(2, 2)}, {{7, 7}}, CaseMode::Xyz);
    EXPECT_EQ(v.s, 1.0);
}

TEST(ViewTransform, RoundingIsHalfToEvenAndSaturates) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {{0.5, 0},
                                            {1.5, 2},
                                            {2.5, 2},
                                            {-2.5, -2},
                                            {-0.5, 0},
                                            {-7.6, -8},
                                            {123456.5, 123456},
                                            {1e300, kPixelLimit},
                                            {-inf, -kPixelLimit},
                                            {std::nan(""), 0}};
    for (const auto& [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(ViewTransform, ReadoutsInvertThePolarAndNeswModes) {
    const struct {
        double x, y, bearing;
    } polar[] = {{0, 5, 0}, {0, -5, 180}, {-5, 0, 270}, {0, 0, 90}, {3, 4, 36.869897645844}};
    for (const auto& c : polar) EXPECT_NEAR(worldToPolar(c.x, c.y).bearing, c.bearing, 1e-9);
    for (const auto& [x, y] : {std::pair{3.0, -4.0}, {-2.0, 7.5}, {-1.0, -1.0}, {0.0, 0.0}}) {
        const PolarReading r = worldToPolar(x, y);
        PointRecord p;
        p.m1 = r.bearing, p.m2 = r.length;
        EXPECT_NEAR(worldPosition(p, CaseMode::Polar).x, x, 1e-12);
        EXPECT_NEAR(worldPosition(p, CaseMode::Polar).y, y, 1e-12);
        const PointRecord n = worldToNesw(x, y);
        EXPECT_TRUE(n.m1 >= 0 && n.m2 >= 0 && n.m3 >= 0 && n.m4 >= 0 && !std::signbit(n.m4));
        EXPECT_EQ(worldPosition(n, CaseMode::Nesw).x, x);
        EXPECT_EQ(worldPosition(n, CaseMode::Nesw).y, y);
    }
}

TEST(ViewTransform, OnlyEverySecondWheelNotificationActs) {
    PlanView view;
    for (bool acts : {true, false, true, false}) EXPECT_EQ(wheelNotification(view), acts);
}

} // namespace
} // namespace zorvane
