#include "case/CaseOperations.h"
#include "units/UnitConversion.h"

#include <gtest/gtest.h>

#include <array>

namespace zorvane {
namespace {

CaseState caseWith(CaseMode mode, std::initializer_list<std::array<double, 5>> values) {
    CaseState doc;
    resetCase(doc, mode, ProgramOptions{}, "01/02/2024");
    for (const auto& m : values) {
        PointRecord p;
        p.number = static_cast<std::int32_t>(doc.points.size()) + 1;
        p.m1 = m[0], p.m2 = m[1], p.m3 = m[2], p.m4 = m[3], p.m5 = m[4];
        doc.points.push_back(p);
        doc.screen.emplace_back();
    }
    refreshGrid(doc);
    return doc;
}

TEST(UnitConversion, FactorsAreTheExactDecimalConstants) {
    const struct {
        int from, to;
        double factor;
    } cases[] = {
        // clang-format off
        {kMeter, kFeetInches, 3.2808}, {kCentimeter, kInches, 0.393696},
        {kMillimeter, kDecimalFeet, 0.0032808}, {kFeetInches, kMillimeter, 304.8},
        {kInches, kFeetInches, 1.0 / 12}, {kDecimalFeet, kFeetInches, 1},
        {-1, kMeter, 1}, {kMeter, 6, 1},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(conversionFactor(c.from, c.to), c.factor) << c.from << "->" << c.to;
}

TEST(UnitConversion, ConvertsLengthsButNotTheBearing) {
    CaseState xyz = caseWith(CaseMode::Xyz, {{10, 10, 10, 0, 0}});
    EXPECT_TRUE(convertCaseUnits(xyz, kDecimalFeet));
    EXPECT_DOUBLE_EQ(xyz.points[0].m1, 32.808);
    EXPECT_EQ(xyz.units.unit, kDecimalFeet);
    convertCaseUnits(xyz, kMeter); // 3.2808 there, 0.3048 back: not home exactly
    EXPECT_NEAR(xyz.points[0].m3, 9.9998784, 1e-12);

    CaseState polar = caseWith(CaseMode::Polar, {{270.5, 10, -2, 0, 0}});
    convertCaseUnits(polar, kCentimeter);
    EXPECT_EQ(polar.points[0].m1, 270.5);
    EXPECT_EQ(polar.points[0].m2, 1000);
    EXPECT_EQ(polar.points[0].m3, -200);

    CaseState nesw = caseWith(CaseMode::Nesw, {{1, 2, 3, 4, 5}});
    nesw.units.unit = kDecimalFeet;
    convertCaseUnits(nesw, kInches);
    const PointRecord& p = nesw.points[0];
    EXPECT_EQ((std::array{p.m1, p.m2, p.m3, p.m4, p.m5}),
              (std::array<double, 5>{12, 24, 36, 48, 60}));
}

TEST(UnitConversion, TheGridIsFormattedAfresh) {
    CaseState doc = caseWith(CaseMode::Xyz, {{10, 1, 0, 0, 0}});
    doc.grid.setRow(1, {"1", "typed", "typed", "typed", "", ""});
    EXPECT_TRUE(convertCaseUnits(doc, kFeetInches));
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 1), "32' 9 11/16\"");
}

TEST(UnitConversion, DialogRules) {
    CaseState empty = caseWith(CaseMode::Xyz, {});
    EXPECT_FALSE(convertCaseUnits(empty, kInches));
    EXPECT_EQ(empty.units.unit, kMeter);
    EXPECT_EQ(unitFromChoice(true, -1), kDecimalFeet); // no selection
}

} // namespace
} // namespace zorvane
