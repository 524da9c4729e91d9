#include "case/CaseOperations.h"
#include "case/PointGrid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zorvane {
namespace {

PointRecord pt(int number, double m1, double m2, double m3 = 0, double m4 = 0, double m5 = 0) {
    PointRecord p;
    p.number = number;
    p.m1 = m1, p.m2 = m2, p.m3 = m3, p.m4 = m4, p.m5 = m5;
    return p;
}

struct WorldCase {
    CaseMode mode;
    PointRecord p;
    double x, y;
};

TEST(WorldPosition, FollowsTheCaseMode) {
    const WorldCase cases[] = {
        {CaseMode::Xyz, pt(1, 3, 4, 5), 3, 4},
        {CaseMode::Polar, pt(1, 90, 10), 10, 0},
        {CaseMode::Polar, pt(1, 0, 5), 0, 5},
        {CaseMode::Polar, pt(1, 180, 5), 0, -5},
        {CaseMode::Nesw, pt(1, 0, 0, 0, 3), -3, 0},   // East 0, West 3; North 0, South 0
        {CaseMode::Nesw, pt(1, 2, 5, 7, 3), 5, 2},    // East and North win when not 0
        {CaseMode::Nesw, pt(1, 0, 0, 7, 0), 0, -7},
    };
    for (const auto& c : cases) {
        WorldPos w = worldPosition(c.p, c.mode);
        EXPECT_NEAR(w.x, c.x, 1e-12);
        EXPECT_NEAR(w.y, c.y, 1e-12);
    }
}

} // namespace
} // namespace zorvane
