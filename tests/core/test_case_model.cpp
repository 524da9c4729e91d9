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
        {CaseMode::Xyz, pt(1, 3, 4, 5), 3, 4},      {CaseMode::Polar, pt(1, 90, 10), 10, 0},
        {CaseMode::Polar, pt(1, 0, 5), 0, 5},       {CaseMode::Polar, pt(1, 180, 5), 0, -5},
        {CaseMode::Nesw, pt(1, 0, 0, 0, 3), -3, 0}, // East 0, West 3; North 0, South 0
        {CaseMode::Nesw, pt(1, 2, 5, 7, 3), 5, 2},  // East and North win when not 0
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

namespace zorvane {
namespace {

ProgramOptions defaults() {
    return ProgramOptions{};
}

struct Fixture : ::testing::Test {
    CaseState doc;
    ViewTransform view;
    void SetUp() override { resetCase(doc, CaseMode::Xyz, defaults(), "07/12/2026"); }
    int put(int number, double x = 0, double y = 0, Colour mark = 0) {
        PointRecord p;
        p.number = number, p.m1 = x, p.m2 = y, p.markColour = mark;
        return putPoint(doc, view, p);
    }
    std::vector<int> numbers() const {
        std::vector<int> out;
        for (const auto& p : doc.points) out.push_back(p.number);
        return out;
    }
};

using CaseModel = Fixture;

TEST_F(CaseModel, NewCaseHasTitlesAndOneEmptyRowPerMode) {
    ProgramOptions options;
    options.firstPointNumber = 100;
    options.defaultUnit = 5;
    options.defaultDecimals = 3;
    struct Row {
        CaseMode mode;
        int columns;
        std::string title1;
    };
    for (const Row& r :
         {Row{CaseMode::Xyz, 6, "Measure. X"}, Row{CaseMode::Polar, 6, "Compass d\xB0"},
          Row{CaseMode::Nesw, 8, "North"}}) {
        doc.caseName = "old";
        put(1);
        resetCase(doc, r.mode, options, "01/02/2026");
        EXPECT_EQ(PointGrid::rowCount(doc.points.size()), 2);
        EXPECT_EQ(PointGrid::columnCount(r.mode), r.columns);
        EXPECT_EQ(doc.grid.cell(doc.points, r.mode, 0, 1), r.title1);
        EXPECT_EQ(doc.grid.cell(doc.points, r.mode, 1, 0), "");
        EXPECT_EQ(doc.lastPointNumber, 99);
        EXPECT_TRUE(doc.caseName.empty());
        EXPECT_EQ(doc.units.unit, 5);
        EXPECT_EQ(doc.units.decimals, 3);
        EXPECT_EQ(doc.incident.date.view(), "01/02/2026");
        EXPECT_EQ(doc.incident.hour.view(), "00:00");
        EXPECT_TRUE(doc.screen.empty());
    }
}

TEST_F(CaseModel, PutPointAppendsInCreationOrderAndRaisesTheLastNumber) {
    EXPECT_EQ(put(5), 1);
    EXPECT_EQ(put(3), 2);
    EXPECT_EQ(put(9), 3);
    EXPECT_EQ(numbers(), (std::vector<int>{5, 3, 9}));
    EXPECT_EQ(doc.lastPointNumber, 9);
    EXPECT_EQ(doc.screen.size(), 3u);
}

TEST_F(CaseModel, PutPointWithAnExistingNumberModifiesInPlaceKeepingTheMark) {
    put(5, 1, 1);
    put(3, 2, 2);
    doc.points.edit(1).markColour = 0xFF;
    EXPECT_EQ(put(3, 7, 8, /*mark*/ 0), 2);
    EXPECT_EQ(doc.points.size(), 2u);
    EXPECT_EQ(doc.points[1].m1, 7);
    EXPECT_EQ(doc.points[1].markColour, 0xFFu);
    EXPECT_EQ(doc.lastPointNumber, 5);
}

TEST_F(CaseModel, GridRowsFormatFromTheTableWithTheUnitsOfTheLastRebuild) {
    doc.units = {kMeter, 2};
    refreshGrid(doc);
    put(1, 12.456, -3);
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 1), "12.46");
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 2), "-3.00");
    // Relabelling the unit does not reformat until the grid is rebuilt.
    doc.units = {kFeetInches, 2};
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 1), "12.46");
    refreshGrid(doc);
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 2), "-3' 0\"");
    EXPECT_EQ(doc.grid.selectedRow, 1);
}

TEST_F(CaseModel, PolarBearingColumnStaysDecimalInFeetAndInches) {
    resetCase(doc, CaseMode::Polar, defaults(), "");
    doc.units = {kFeetInches, 1};
    refreshGrid(doc);
    PointRecord p;
    p.number = 1, p.m1 = 45.25, p.m2 = 5.25, p.m3 = 0.5;
    putPoint(doc, view, p);
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 1), "45.3");
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 2), "5' 3\"");
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 3), "0' 6\"");
}

TEST(Descriptors, AddedOnceIgnoringCaseIncludingTheEmptyText) {
    std::vector<std::string> list;
    for (const char* d : {"Car", "CAR", "", "", "car door", "\xC9tang", "\xE9TANG"})
        addDescriptor(list, d);
    EXPECT_EQ(list, (std::vector<std::string>{"Car", "", "car door", "\xC9tang"}));
}

} // namespace
} // namespace zorvane
