// Two-distance triangulation: the circle meeting itself, and points fixed from two points of a
// case and created the way the entry page creates them, in every case mode.
#include "case/CaseDocument.h"
#include "case/Triangulation.h"
#include "view/CircleIntersection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zorvane {
namespace {

TEST(CircleIntersection, MeetsLeftAndRightOrSaysWhyNot) {
    const struct {
        const char* name;
        WorldPos a, b;
        double ra, rb;
        CircleMeeting meeting;
        WorldPos left, right;
        double angle;
    } cases[] = {
        {"3-4-5 along x",
         {0, 0},
         {5, 0},
         3,
         4,
         CircleMeeting::Crossing,
         {1.8, 2.4},
         {1.8, -2.4},
         90},
        {"3-4-5 looking south",
         {0, 0},
         {0, -5},
         3,
         4,
         CircleMeeting::Crossing,
         {2.4, -1.8},
         {-2.4, -1.8},
         90},
        {"equilateral",
         {0, 0},
         {2, 0},
         2,
         2,
         CircleMeeting::Crossing,
         {1, std::sqrt(3.0)},
         {1, -std::sqrt(3.0)},
         60},
        {"touching outside", {0, 0}, {5, 0}, 2, 3, CircleMeeting::Touching, {2, 0}, {2, 0}, 180},
        {"touching inside", {0, 0}, {5, 0}, 8, 3, CircleMeeting::Touching, {8, 0}, {8, 0}, 0},
        {"too far apart", {0, 0}, {5, 0}, 2, 2, CircleMeeting::TooFarApart, {}, {}, 0},
        {"one inside the other", {0, 0}, {5, 0}, 1, 7, CircleMeeting::OneInsideOther, {}, {}, 0},
        {"same centre", {1, 1}, {1, 1}, 2, 2, CircleMeeting::SameCentre, {}, {}, 0},
        {"a hair too short is touching",
         {0, 0},
         {7, 0},
         3,
         4 - 1e-12,
         CircleMeeting::Touching,
         {3, 0},
         {3, 0},
         180},
    };
    for (const auto& c : cases) {
        const CircleIntersection got = intersectCircles(c.a, c.ra, c.b, c.rb);
        EXPECT_EQ(got.meeting, c.meeting) << c.name;
        if (c.meeting != CircleMeeting::Crossing && c.meeting != CircleMeeting::Touching) continue;
        EXPECT_NEAR(got.left.x, c.left.x, 1e-12) << c.name;
        EXPECT_NEAR(got.left.y, c.left.y, 1e-12) << c.name;
        EXPECT_NEAR(got.right.x, c.right.x, 1e-12) << c.name;
        EXPECT_NEAR(got.right.y, c.right.y, 1e-12) << c.name;
        EXPECT_NEAR(got.crossingAngle, c.angle, 1e-9) << c.name;
    }
    // Crossing at right angles an error moves the point sqrt(2) times as far; touching, without
    // bound.
    EXPECT_NEAR(intersectCircles({0, 0}, 3, {5, 0}, 4).errorFactor, std::sqrt(2.0), 1e-12);
    EXPECT_TRUE(std::isinf(intersectCircles({0, 0}, 2, {5, 0}, 3).errorFactor));
}

struct Triangulating : ::testing::Test {
    CaseDocument doc;

    void start(CaseMode mode, int unit = kMeter) {
        ProgramOptions o;
        o.defaultUnit = unit;
        doc.startNew(mode, o, "01/02/2026");
    }
    void put(const char* number, std::array<std::string, 5> values) {
        EntryFields f;
        f.number = number;
        f.values = std::move(values);
        ASSERT_FALSE(doc.createOrModifyPoint(f).failed());
    }
    TriangulationFields fields(const char* da, const char* db,
                               TriangulationSide side = TriangulationSide::Left) const {
        TriangulationFields f;
        f.number = "10";
        f.pointA = "1";
        f.pointB = "2";
        f.distanceA = da;
        f.distanceB = db;
        f.side = side;
        f.descriptor = "Tyre mark";
        return f;
    }
    // Plans and creates through the entry page's path; the new point's plan position.
    WorldPos create(const TriangulationFields& f) {
        TriangulationPlan plan = planTriangulation(doc.state(), f);
        EXPECT_FALSE(plan.failed()) << plan.error;
        EXPECT_FALSE(doc.createOrModifyPoint(plan.entry).failed());
        const auto i = findPoint(doc.state().points, 10);
        if (!i) return {1e99, 1e99};
        return worldPosition(doc.state().points[*i], doc.state().mode);
    }
};

TEST_F(Triangulating, ThreeFourFiveOnBothSidesInEveryMode) {
    const struct {
        CaseMode mode;
        std::array<std::string, 5> a, b;
        double tolerance; // the bearing is stored to 0.01 degree
    } cases[] = {
        {CaseMode::Xyz, {"0", "0"}, {"5", "0"}, 1e-12},
        {CaseMode::Polar, {"0", "0"}, {"90", "5"}, 3 * 0.005 * 3.1416 / 180},
        {CaseMode::Nesw, {"0", "0", "0", "0"}, {"0", "5", "0", "0"}, 1e-12},
    };
    for (const auto& c : cases) {
        for (const auto side : {TriangulationSide::Left, TriangulationSide::Right}) {
            start(c.mode);
            put("1", c.a);
            put("2", c.b);
            const WorldPos p = create(fields("3", "4", side));
            const double y = side == TriangulationSide::Left ? 2.4 : -2.4;
            EXPECT_NEAR(p.x, 1.8, c.tolerance) << static_cast<int>(c.mode);
            EXPECT_NEAR(p.y, y, c.tolerance) << static_cast<int>(c.mode);
            const PointRecord& made = doc.state().points.back();
            EXPECT_EQ(made.descriptor.view(), "Tyre mark");
            EXPECT_EQ(doc.state().lastPointNumber, 10);
        }
    }
    // Stored in the case's own form: a Polar point holds bearing and length.
    const PointRecord& polar = [&]() -> const PointRecord& {
        start(CaseMode::Polar);
        put("1", {"0", "0"});
        put("2", {"90", "5"});
        create(fields("3", "4"));
        return doc.state().points.back();
    }();
    EXPECT_DOUBLE_EQ(polar.m1, 36.87);
    EXPECT_DOUBLE_EQ(polar.m2, 3.0);
}

TEST_F(Triangulating, FeetAndInchesAreTypedAsOnTheEntryPage) {
    start(CaseMode::Xyz, kFeetInches);
    put("1", {"0", "0"});
    put("2", {"5'", "0"});
    TriangulationPlan plan = planTriangulation(doc.state(), fields("3'", "3' 12\""));
    ASSERT_FALSE(plan.failed()) << plan.error;
    EXPECT_EQ(plan.summary, "X 1' 9 5/8\", Y 2' 4 13/16\"");
    ASSERT_FALSE(doc.createOrModifyPoint(plan.entry).failed());
    const PointRecord& p = doc.state().points.back();
    EXPECT_DOUBLE_EQ(p.m1, 1 + 9.625 / 12);
    EXPECT_DOUBLE_EQ(p.m2, 2 + 4.8125 / 12);
    EXPECT_EQ(normaliseDistance(doc.state(), "3 1/2\""), "3' 0 1/2\"");
}

TEST_F(Triangulating, ImpossibleTrianglesNameTheRule) {
    start(CaseMode::Xyz);
    put("1", {"0", "0"});
    put("2", {"5", "0"});
    put("3", {"0", "0"});
    const auto with = [&](auto change) {
        TriangulationFields f = fields("3", "4");
        change(f);
        return planTriangulation(doc.state(), f);
    };
    using F = TriangulationFields&;
    const struct {
        TriangulationPlan plan;
        const char* error;
        TriangulationField focus;
    } cases[] = {
        {with([](F f) { f.pointB = "1"; }),
         "A and B are the same point (A = B): choose two different reference points.",
         TriangulationField::PointB},
        {with([](F f) { f.pointB = "3"; }),
         "A and B lie at the same place (AB = 0): choose two reference points apart.",
         TriangulationField::PointB},
        {with([](F f) { f.distanceA = "2", f.distanceB = "2"; }),
         "The distances are too short to meet: dA + dB (2.00 + 2.00 = 4.00) is less than AB "
         "(5.00).",
         TriangulationField::DistanceA},
        {with([](F f) { f.distanceA = "1", f.distanceB = "7"; }),
         "One circle lies inside the other: |dA - dB| (|1.00 - 7.00| = 6.00) is more than AB "
         "(5.00).",
         TriangulationField::DistanceA},
        {with([](F f) { f.pointA = "9"; }), "There is no point 9 in this case.",
         TriangulationField::PointA},
        {with([](F f) { f.pointA = "x"; }), "'x' is not a valid integer value",
         TriangulationField::PointA},
        {with([](F f) { f.distanceA = ""; }), "Enter the distance from A, greater than 0.",
         TriangulationField::DistanceA},
        {with([](F f) { f.distanceB = "-4"; }), "Enter the distance from B, greater than 0.",
         TriangulationField::DistanceB},
        {with([](F f) { f.number = "2"; }),
         "Point 2 is a reference point: give the new point another number.",
         TriangulationField::Number},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.plan.error, c.error);
        EXPECT_EQ(c.plan.focus, c.focus) << c.error;
    }
}

TEST_F(Triangulating, NearlyDegenerateTrianglesWarnWithTheExpectedError) {
    start(CaseMode::Xyz);
    put("1", {"0", "0"});
    put("2", {"5", "0"});
    const TriangulationPlan good = planTriangulation(doc.state(), fields("3", "4"));
    EXPECT_EQ(good.warning, "");
    EXPECT_FALSE(good.replaces);
    TriangulationFields existing = fields("4", "4");
    existing.number = "1";
    existing.pointA = "2";
    existing.pointB = "10";
    put("10", {"0", "-5"});
    EXPECT_TRUE(planTriangulation(doc.state(), existing).replaces);
    const TriangulationPlan thin = planTriangulation(doc.state(), fields("2.5", "2.52"));
    EXPECT_EQ(thin.warning,
              "The point is poorly fixed: the two circles cross at only 169.8\xC2\xB0, "
              "almost touching. A distance that is out by 1 cm moves the point by "
              "about 0.08 Meter.");
    const TriangulationPlan touch = planTriangulation(doc.state(), fields("2", "3"));
    EXPECT_FALSE(touch.failed());
    EXPECT_NE(touch.warning.find("only touch"), std::string::npos);
    EXPECT_EQ(touch.summary, "X 2.00, Y 0.00");
}

TEST_F(Triangulating, CreatedPointIsUndoneAndRedoneLikeAnyOther) {
    start(CaseMode::Nesw);
    put("1", {"0", "0", "0", "0"});
    put("2", {"0", "5", "0", "0"});
    const WorldPos p = create(fields("3", "4", TriangulationSide::Right));
    EXPECT_NEAR(p.y, -2.4, 1e-12);
    const PointRecord made = doc.state().points.back();
    EXPECT_EQ(made.m3, 2.4); // South
    EXPECT_FALSE(doc.isClean());
    doc.undo();
    EXPECT_FALSE(findPoint(doc.state().points, 10));
    EXPECT_EQ(doc.state().lastPointNumber, 2);
    doc.redo();
    EXPECT_EQ(doc.state().points.back(), made);
}

} // namespace
} // namespace zorvane
