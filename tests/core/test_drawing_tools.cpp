// The drawing window's rules without a window: what a click does, the readouts, measuring,
// the colour table, the legend dialog's fields, the printed page and the legend a new case
// starts with.
#include "case/CaseDocument.h"
#include "view/ColourTable.h"
#include "view/FontSize.h"
#include "view/LegendText.h"
#include "view/PlanReadout.h"
#include "view/PrintLayout.h"
#include "view/SurfaceTools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zorvane {
namespace {

PointTable xyzPoints(std::initializer_list<std::tuple<int, double, double>> pts) {
    PointTable t;
    for (auto [n, x, y] : pts) {
        PointRecord p;
        p.number = n, p.m1 = x, p.m2 = y, p.m3 = 99; // heights never count
        t.push_back(p);
    }
    return t;
}

TEST(SurfaceTools, FirstMatchingRuleWinsAndPendingToolsWaitForTheirClick) {
    using B = SurfaceButton;
    using A = SurfaceAction;
    SurfaceTools t;
    EXPECT_EQ(t.press(B::Left, false, {}).action, A::ZoomIn);
    EXPECT_EQ(t.press(B::Right, false, {}).action, A::ZoomOut);
    EXPECT_EQ(t.press(B::Middle, false, {}).action, A::StartPan);
    EXPECT_EQ(t.press(B::Middle, false, {}).action, A::None); // a pan already runs
    EXPECT_FALSE(t.release(B::Left));
    EXPECT_TRUE(t.release(B::Middle));
    EXPECT_FALSE(t.panning());

    // Measuring: plain clicks in between zoom and leave it pending.
    EXPECT_EQ(t.press(B::Right, true, {1, 2}).action, A::MeasureFrom);
    EXPECT_EQ(t.hint(), "Click second point for Distance");
    EXPECT_EQ(t.press(B::Left, false, {}).action, A::ZoomIn);
    EXPECT_EQ(t.press(B::Middle, false, {}).action, A::StartPan);
    t.release(B::Middle);
    const SurfacePress done = t.press(B::Left, true, {4, 6});
    EXPECT_EQ(done.action, A::MeasureTo);
    EXPECT_EQ(done.from.x, 1);
    EXPECT_EQ(done.to.y, 6);
    EXPECT_TRUE(done.snap);
    EXPECT_EQ(t.hint(), "");
    t.press(B::Left, true, {});
    EXPECT_FALSE(t.press(B::Middle, true, {}).snap); // not the left button: no snapping

    // Placements come before Ctrl, the legend before the arrow, whatever the button.
    t.startNorthArrowPlacement();
    t.startLegendPlacement();
    EXPECT_EQ(t.hint(), "Click Legend position");
    EXPECT_EQ(t.press(B::Middle, true, {}).action, A::PlaceLegend);
    EXPECT_EQ(t.hint(), "Click North Arrow position");
    EXPECT_EQ(t.press(B::Right, true, {}).action, A::PlaceNorthArrow);
    EXPECT_EQ(t.press(B::Right, false, {}).action, A::ZoomOut);
}

TEST(PlanReadout, EachModeAndUnit) {
    const UnitSettings metric{kMeter, 2}, feet{kFeetInches, 2}, three{kCentimeter, 3};
    struct Case {
        CaseMode mode;
        UnitSettings units;
        char sep;
        WorldPos at;
        const char* text;
    } cases[] = {
        {CaseMode::Xyz, metric, '.', {1.5, -2.25}, "X : 1.50  Y : -2.25"},
        {CaseMode::Xyz, three, ',', {1.5, 0}, "X : 1,500  Y : 0,000"},
        {CaseMode::Xyz, feet, '.', {1.5, -2.5}, "X : 1' 6\"  Y : -2' 6\""},
        {CaseMode::Polar,
         metric,
         '.',
         {0, 5},
         "Compass d\u00B0 : 0.00  Length : 5.00"}, // due north
        {CaseMode::Polar, metric, '.', {-5, 0}, "Compass d\u00B0 : 270.00  Length : 5.00"},
        {CaseMode::Polar, feet, '.', {1, 1}, "Compass d\u00B0 : 45.00  Length : 1' 5\""},
        {CaseMode::Nesw, metric, '.', {-1, 2}, "N : 2.00  E : 0.00  S : 0.00  W : 1.00"},
        {CaseMode::Nesw, feet, '.', {3, -0.5}, "N : 0' 0\"  E : 3' 0\"  S : 0' 6\"  W : 0' 0\""},
    };
    for (const Case& c : cases) EXPECT_EQ(mouseReadout(c.mode, c.units, c.sep, c.at), c.text);
}

TEST(PlanReadout, MeasuringSnapsToNearestPointsFirstInTableOrderOnATie) {
    const PointTable pts = xyzPoints({{12, 0, 0}, {7, 10, 0}, {40, 3, 4}, {41, 3, 4}});
    const UnitSettings units{kMeter, 2};
    auto message = [&](WorldPos a, WorldPos b, bool snap) {
        return distanceMessage(pts, CaseMode::Xyz, units, '.', a, b, snap);
    };
    // Clicks near 12 and 40: the points' distance, not the clicks'.
    EXPECT_EQ(message({0.4, -0.3}, {3.2, 4.4}, true),
              "Distance from Point #12 to Point #40 = 5.00");
    // Exactly between 12 and 7: the first in table order.
    EXPECT_EQ(*nearestPoint(pts, CaseMode::Xyz, {5, -1}), 0u);
    EXPECT_EQ(message({5, -1}, {10, 1}, true), "Distance from Point #12 to Point #7 = 10.00");
    // Not snapping, or a case without points: the two places themselves.
    EXPECT_EQ(message({0.4, -0.3}, {3.4, 3.7}, false), "Distance = 5.00");
    EXPECT_EQ(distanceMessage(PointTable{}, CaseMode::Xyz, units, '.', {0, 0}, {0, 2}, true),
              "Distance = 2.00");
    // Feet and inches for the distance.
    EXPECT_EQ(distanceMessage(pts, CaseMode::Xyz, {kFeetInches, 2}, '.', {0, 0}, {1.5, 2}, false),
              "Distance = 2' 6\"");
    // A point with a damaged position is never nearest.
    PointTable damaged = xyzPoints({{1, std::numeric_limits<double>::quiet_NaN(), 0}, {2, 50, 50}});
    EXPECT_EQ(*nearestPoint(damaged, CaseMode::Xyz, {0, 0}), 1u);
}

TEST(PlanReadout, PolarAndNeswCasesMeasureOnThePlan) {
    PointTable pts;
    PointRecord a, b;
    a.number = 1, a.m1 = 0, a.m2 = 3, a.m3 = 10;  // due north, 3 away, 10 high
    b.number = 2, b.m1 = 90, b.m2 = 4, b.m3 = -5; // due east, 4 away
    pts.push_back(a);
    pts.push_back(b);
    EXPECT_EQ(distanceMessage(pts, CaseMode::Polar, {kMeter, 1}, '.', {0, 3}, {4, 0}, true),
              "Distance from Point #1 to Point #2 = 5.0");
}

TEST(ColourTable, NamesColoursAndTheNumberField) {
    const DesktopColours desk{0x111111, 0x222222};
    EXPECT_EQ(colourChoice(7, desk), (ColourChoice{7, "White", 0xFFFFFF}));
    EXPECT_EQ(colourChoice(1, desk), (ColourChoice{1, "Red", 0x0000FF}));
    EXPECT_EQ(colourChoice(5, desk), (ColourChoice{5, "Blue", 0xFF0000}));
    EXPECT_EQ(colourChoice(8, desk), (ColourChoice{8, "Grey", 0x111111}));
    EXPECT_EQ(colourChoice(9, desk), (ColourChoice{9, "Light Grey", 0x222222}));
    EXPECT_EQ(colourChoice(42, desk), (ColourChoice{42, "Color 42", 0x222222}));
    EXPECT_EQ(colourChoice(255, desk).name, "Color 255");
    EXPECT_EQ(colourName(0), "");
    EXPECT_EQ(colourOf(0, desk), 0x0000FFu);
    EXPECT_EQ(colourName(256), "");
    struct {
        const char* text;
        std::optional<int> number;
    } fields[] = {{"7", 7},    {" 42 ", 42}, {"255", 255}, {"1", 1},   {"0", {}},
                  {"256", {}}, {"-3", {}},   {"", {}},     {"4a", {}}, {"99999999999", {}}};
    for (const auto& f : fields) EXPECT_EQ(parseColourNumber(f.text), f.number) << f.text;
}

TEST(LegendText, MemoLinesAndPositionFields) {
    LegendRecord legend;
    legend.lines[0] = "Scale 1:100";
    legend.lines[2] = "North up";
    EXPECT_EQ(legendMemoLines(legend), (std::vector<std::string>{"Scale 1:100", "North up"}));
    // The memo's lines become lines 1 and 2: the gap is gone.
    setLegendLines(legend, legendMemoLines(legend));
    EXPECT_EQ(legend.lines[1].view(), "North up");
    EXPECT_TRUE(legend.lines[2].empty());

    std::vector<std::string> twelve;
    for (int k = 1; k <= 12; ++k) twelve.push_back("line " + std::to_string(k));
    twelve[3] = std::string(60, 'x');
    setLegendLines(legend, twelve);
    EXPECT_EQ(legend.lines[9].view(), "line 10");
    EXPECT_EQ(legend.lines[3].size(), 50u);
    setLegendLines(legend, {"only"});
    EXPECT_EQ(legendMemoLines(legend), std::vector<std::string>{"only"});

    struct {
        const char* text;
        std::int32_t value;
        const char* shown;
    } fields[] = {{"25", 25, "25"}, {"025", 25, "25"}, {" -7", -7, "-7"}, {"+4", 4, "4"},
                  {"a", 0, "0"},    {"", 0, "0"},      {"12x", 0, "0"}};
    for (const auto& f : fields) {
        const PositionField p = legendPositionField(f.text);
        EXPECT_EQ(p.value, f.value) << f.text;
        EXPECT_EQ(p.text, f.shown) << f.text;
    }
}

TEST(FontSize, HeightsAndPointsRoundTripAtCommonResolutions) {
    EXPECT_DOUBLE_EQ(pointSizeOfHeight(-11, 96), 8.25);
    EXPECT_DOUBLE_EQ(pointSizeOfHeight(16, 96), 12);
    for (double dpi : {72.0, 96.0, 120.0, 144.0})
        for (std::int32_t h : {-8, -11, -13, -16, -24, -40})
            EXPECT_EQ(heightOfPointSize(pointSizeOfHeight(h, dpi), dpi), h) << dpi << " " << h;
    EXPECT_EQ(heightOfPointSize(8, 96), -11);
    EXPECT_EQ(heightOfPointSize(0.1, 96), -1);
    EXPECT_EQ(heightOfPointSize(1e30, 96), -32767);
    EXPECT_EQ(heightOfPointSize(std::nan(""), 96), -1);
}

TEST(PrintLayout, PictureKeepsItsProportionsBelowTheCaseName) {
    struct Case {
        int w, h, pw, ph;
    } cases[] = {
        {600, 300, 4800, 6600}, // wide picture, 600 dpi letter page
        {300, 600, 4800, 6600}, // tall picture
        {2000, 100, 2400, 3300}, {100, 2000, 2400, 3300},
        {454, 244, 595, 842}, // a 72 dpi page: no room below 600, the picture starts halfway
        {1, 1, 4800, 6600},
    };
    for (const Case& c : cases) {
        const DeviceRect r = printedPicture(c.w, c.h, c.pw, c.ph);
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        EXPECT_GT(r.width(), 0);
        EXPECT_GT(r.height(), 0);
        EXPECT_LE(r.right, c.pw);
        EXPECT_LE(r.bottom, c.ph);
        EXPECT_GE(r.top, kCaseNameY + 1);
        // Proportions kept to within the rounding of one side.
        EXPECT_LE(std::abs(std::int64_t{r.width()} * c.h - std::int64_t{r.height()} * c.w),
                  std::max(c.w, c.h));
        // It touches the area's right or bottom edge: the largest fit.
        EXPECT_TRUE(r.right == c.pw || r.bottom == c.ph);
    }
    // The page fit is W' = 4800 wide: the area starts at 600 and at one eighth of it.
    EXPECT_EQ(printedPicture(600, 300, 4800, 6600), (DeviceRect{600, 600, 4800, 2700}));
    // A tall picture: W' = 300 * 6600 / 600 = 3300, left = 412.5 rounded to even.
    const DeviceRect tall = printedPicture(300, 600, 4800, 6600);
    EXPECT_EQ(tall.left, 412);
    EXPECT_EQ(tall.top, 600);
    EXPECT_EQ(tall.bottom, 6600);
    EXPECT_EQ(printedPicture(0, 10, 100, 100), DeviceRect{});
    EXPECT_EQ(printedPicture(10, 10, 0, 100), DeviceRect{});
}

TEST(CaseDocumentLegend, NewCasesTakeTheLastLegendFontAndLegendEditsNeedSaving) {
    CaseDocument doc;
    doc.startNew(CaseMode::Xyz, ProgramOptions{}, "01/01/2026");
    EXPECT_EQ(doc.state().legend, LegendRecord{}); // "MS Sans Serif", -11, no style
    EXPECT_EQ(doc.state().legend.fontName.view(), "MS Sans Serif");

    LegendRecord font;
    font.fontName = "Liberation Serif";
    font.fontHeight = -20;
    font.fontStyle = kBold | kItalic;
    font.fontColour = 0x0000FF;
    font.lines[0] = "not a font field";
    font.left = 300;
    doc.setDefaultLegendFont(font);

    LegendRecord edited = doc.state().legend;
    edited.lines[0] = "Scale 1:200";
    EXPECT_TRUE(doc.isClean());
    doc.setLegend(edited);
    EXPECT_FALSE(doc.isClean()); // saved with the case, so quitting asks
    doc.markSaved();
    doc.setLegend(edited);
    EXPECT_TRUE(doc.isClean()); // the same legend is no change

    for (int round = 0; round < 2; ++round) {
        if (round == 0)
            doc.startNew(CaseMode::Polar, ProgramOptions{}, "01/01/2026");
        else
            doc.open(CaseFileContents{}); // a file without a legend
        const LegendRecord& l = doc.state().legend;
        EXPECT_EQ(l.fontName.view(), "Liberation Serif");
        EXPECT_EQ(l.fontHeight, -20);
        EXPECT_EQ(l.fontStyle, kBold | kItalic);
        EXPECT_EQ(l.fontColour, 0x0000FFu);
        EXPECT_TRUE(l.lines[0].empty());
        EXPECT_EQ(l.left, 30);
        EXPECT_FALSE(l.visible);
        EXPECT_TRUE(doc.isClean());
    }
}

} // namespace
} // namespace zorvane
