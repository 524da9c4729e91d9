#include "support/RecordingCanvas.h"
#include "view/ExhibitLayout.h"
#include "view/ExhibitPlan.h"
#include "view/ExhibitSheet.h"
#include "view/ViewTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zorvane {
namespace {

using namespace std::string_view_literals;
using testing::RecordingCanvas;

CaseData metreCase(std::vector<WorldPos> positions) {
    CaseData c;
    c.units.unit = kMeter;
    std::int32_t n = 1;
    for (const WorldPos& w : positions) {
        c.points.push_back({n++, w.x, w.y, 0, ""sv, ""sv, 0});
        c.screen.push_back({w.x, -w.y});
    }
    return c;
}

TEST(ExhibitSettings, SheetSizesInTenthsOfAMillimetre) {
    const struct {
        Paper paper;
        Orientation orientation;
        SheetSize size;
    } cases[] = {{Paper::A4, Orientation::Portrait, {2100, 2970}},
                 {Paper::A4, Orientation::Landscape, {2970, 2100}},
                 {Paper::A3, Orientation::Portrait, {2970, 4200}},
                 {Paper::A3, Orientation::Landscape, {4200, 2970}},
                 {Paper::Letter, Orientation::Portrait, {2159, 2794}},
                 {Paper::Letter, Orientation::Landscape, {2794, 2159}}};
    for (const auto& c : cases) EXPECT_EQ(sheetSize(c.paper, c.orientation), c.size);
}

TEST(ExhibitSettings, ScaleTexts) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> scale;
    } cases[] = {{"1:200", 200},
                 {" 1 : 50 ", 50},
                 {"250", 250},
                 {"1:1", 1},
                 {"1:10000000", kMaxScale},
                 {"1:10000001", std::nullopt},
                 {"1:0", std::nullopt},
                 {"2:100", std::nullopt},
                 {"1:-5", std::nullopt},
                 {"1:+5", std::nullopt},
                 {"1:1e3", std::nullopt},
                 {"1:12.5", std::nullopt},
                 {"", std::nullopt},
                 {"1:", std::nullopt},
                 {"abc", std::nullopt},
                 {"1:99999999999", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(parseScale(c.text), c.scale) << c.text;
    EXPECT_EQ(scaleText(250), "1:250");
}

TEST(ExhibitSettings, PaperAndOrientationNamesInAnyCase) {
    EXPECT_EQ(parsePaper("a3"), Paper::A3);
    EXPECT_EQ(parsePaper("LETTER"), Paper::Letter);
    EXPECT_EQ(parsePaper("A5"), std::nullopt);
    EXPECT_EQ(parseOrientation("Portrait"), Orientation::Portrait);
    EXPECT_EQ(parseOrientation("land"), std::nullopt);
}

TEST(ScaleBar, RoundLengthsAndTheirNumbers) {
    const struct {
        double unitsPerWorld;
        int maxUnits;
        std::int32_t unit;
        char separator;
        double length;
        int segments;
        std::vector<std::string> labels;
        std::string unitName;
    } cases[] = {
        // 1:200 in metres: 50 units a metre, 17.4 m would fit, 10 m is drawn in 2 m steps.
        {50, 868, kMeter, '.', 10, 5, {"0", "2", "4", "6", "8", "10"}, "Meter"},
        // 1:50: 2.5 m would fit; 2 m in half metres, with a decimal comma.
        {200, 500, kMeter, ',', 2, 4, {"0", "0,5", "1", "1,5", "2"}, "Meter"},
        // Segments shorter than 8 mm carry no numbers of their own.
        {2.54, 500, kInches, '.', 100, 5, {"0", "100"}, "Inches"},
        {76.2, 868, kFeetInches, '.', 10, 5, {"0", "2", "4", "6", "8", "10"}, "Feet"},
        {0.001,
         868,
         kMillimeter,
         '.',
         500000,
         5,
         {"0", "100000", "200000", "300000", "400000", "500000"},
         "Millimeter"},
        {5000, 868, kMeter, '.', 0.1, 5, {"0", "0.02", "0.04", "0.06", "0.08", "0.1"}, "Meter"},
    };
    for (const auto& c : cases) {
        const ScaleBar bar = chooseScaleBar(c.unitsPerWorld, c.maxUnits, c.unit, c.separator);
        EXPECT_DOUBLE_EQ(bar.worldLength, c.length) << c.unitsPerWorld;
        EXPECT_EQ(bar.segments, c.segments) << c.unitsPerWorld;
        EXPECT_EQ(bar.labels, c.labels) << c.unitsPerWorld;
        EXPECT_EQ(bar.unitName, c.unitName);
        EXPECT_LE(bar.lengthUnits(), c.maxUnits + 1e-9);
        EXPECT_GT(bar.lengthUnits(), c.maxUnits / 5.0); // never less than a fifth of the room
    }
}

TEST(ScaleBar, NoBarWithoutRoomOrScale) {
    for (double k : {0.0, -1.0, std::nan("")})
        EXPECT_EQ(chooseScaleBar(k, 500, kMeter, '.').segments, 0);
    EXPECT_EQ(chooseScaleBar(50, 0, kMeter, '.').segments, 0);
}

TEST(ExhibitLayout, EveryPartLiesInsideTheSheetOnEveryPaper) {
    CaseData data = metreCase({{0, 0}});
    data.caseName = "Case 12";
    for (Paper paper : {Paper::A4, Paper::A3, Paper::Letter})
        for (Orientation o : {Orientation::Portrait, Orientation::Landscape}) {
            const ExhibitLayout l = layoutExhibit({200, paper, o, '.'}, data, {});
            SCOPED_TRACE(std::string(paperName(paper)) + " " + std::string(orientationName(o)));
            EXPECT_EQ(l.border, (SheetRect{100, 100, l.sheet.width - 100, l.sheet.height - 100}));
            EXPECT_EQ(l.frame, (SheetRect{100, 100, l.sheet.width - 100, l.sheet.height - 400}));
            EXPECT_EQ(l.titleBlock.top, l.frame.bottom);
            EXPECT_EQ(l.infoCell.right, l.scaleCell.left);
            EXPECT_EQ(l.scaleCell.right, l.northCell.left);
            EXPECT_EQ(l.northCell.right, l.border.right);
            EXPECT_GT(l.infoCell.width(), l.scaleCell.width());
            for (const SheetText& t : l.texts) {
                EXPECT_GE(t.y, l.titleBlock.top) << t.text;
                EXPECT_LE(t.y + t.height, l.titleBlock.bottom) << t.text;
                EXPECT_GE(t.x, l.titleBlock.left) << t.text;
                EXPECT_LE(t.x + t.maxWidth, l.titleBlock.right) << t.text;
            }
            EXPECT_GE(l.barOrigin.x, l.scaleCell.left);
            EXPECT_LE(l.barOrigin.x + l.bar.lengthUnits() + 60, l.scaleCell.right);
            EXPECT_GE(l.north.apex.x - l.north.halfWidth, l.northCell.left);
            EXPECT_LE(l.north.apex.x + l.north.halfWidth, l.northCell.right);
        }
}

TEST(ExhibitLayout, TitleBlockTexts) {
    CaseData data = metreCase({{0, 0}});
    data.caseName = "K-2024/117";
    data.caseDescription = "Two cars at the junction";
    data.incident.date = "14/03/2024";
    data.incident.hour = "17:45";
    data.incident.place = "Mill Road / Station Street";
    data.units.unit = kCentimeter;
    const ExhibitLayout l = layoutExhibit({500, Paper::A3, Orientation::Portrait, '.'}, data, {});
    std::vector<std::string> texts;
    for (const SheetText& t : l.texts) texts.push_back(t.text);
    for (const char* expected :
         {"Case: K-2024/117", "Description: Two cars at the junction",
          "Place: Mill Road / Station Street", "Date: 14/03/2024   Hour: 17:45", "Scale 1:500",
          "Paper: A3 portrait", "Centimeter"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    EXPECT_DOUBLE_EQ(l.unitsPerWorld, 10.0 * 10 / 500); // 1 cm is 0.02 mm on paper
}

TEST(ExhibitPlan, PointsLandAtTheScaleAroundTheCentre) {
    // 1:200 in metres is 5 mm a metre: 100 plan units.
    CaseData data = metreCase({{100, 50}, {110, 50}, {100, 46}, {std::nan(""), 0}});
    PlanView current;
    current.labelHeight = 12;
    current.toggles.showNorthArrow = current.toggles.showDescriptions = true;
    const ExhibitLayout l =
        layoutExhibit({200, Paper::A4, Orientation::Landscape, '.'}, data, {100, 50});
    const ExhibitPlan e = makeExhibitPlan(data, current, l);
    const double mx = l.frame.width(), my = l.frame.height(); // the middle, in plan units
    ASSERT_EQ(e.data.screen.size(), 4u);
    EXPECT_EQ(e.data.screen[0], (ScreenPos{mx, my}));
    EXPECT_EQ(e.data.screen[1], (ScreenPos{mx + 1000, my}));
    EXPECT_EQ(e.data.screen[2], (ScreenPos{mx, my + 400})); // south is down the sheet
    EXPECT_TRUE(std::isnan(e.data.screen[3].x));
    EXPECT_EQ(e.view.width, 2 * l.frame.width());
    EXPECT_EQ(e.view.height, 2 * l.frame.height());
    EXPECT_EQ(e.view.labelHeight, 60);           // 12 pixels as 3 mm
    EXPECT_FALSE(e.view.toggles.showNorthArrow); // the sheet has its own
    EXPECT_TRUE(e.view.toggles.showDescriptions);
}

TEST(ExhibitPlan, LegendIsDrawnAloneInScreenPixels) {
    CaseData data = metreCase({{0, 0}});
    data.legend.lines[0] = "Car A";
    data.legend.left = 30, data.legend.top = 10, data.legend.fontHeight = -11;
    data.legend.visible = true;
    data.images.add(std::vector<std::uint8_t>(100, 1));
    const ExhibitLayout l = layoutExhibit({}, data, {});
    ExhibitPlan e = makeExhibitPlan(data, PlanView{}, l);
    EXPECT_FALSE(e.data.legend.visible);
    EXPECT_EQ(e.data.images.count(), 0u); // photographs are not copied for a drawing
    // The legend's own pass paints nothing else: no clearing, no points, no arrow.
    RecordingCanvas legend;
    redrawPlan(e.legend, e.legendView, legend);
    EXPECT_EQ(legend.calls,
              (std::vector<std::string>{"fill 0 0 0 0 ffffff", "font Arial 12 0 000000",
                                        "font MS Sans Serif -11 0 000000", "text 32 12 Car A",
                                        "pen 000000 1", "polyline 30,10 64,10 64,25 30,25 30,10"}));
    EXPECT_EQ(planUnitsOfPixels(2'000'000'000), std::numeric_limits<std::int32_t>::max());
}

TEST(ExhibitLayout, ViewCentreFollowsPanAndZoom) {
    CaseData data = metreCase({{0, 0}, {40, 0}, {40, 20}, {0, 20}});
    PlanView view;
    view.width = 800, view.height = 600;
    recomputeView(view.transform, data.points, data.screen, data.mode);
    zoomAll(view, data.screen);
    WorldPos c = viewCentre(data, view);
    EXPECT_NEAR(c.x, 20, 0.05);
    EXPECT_NEAR(c.y, 10, 0.05);
    recomputeView(view.transform, data.points, data.screen, data.mode);
    const double s = view.transform.s;
    panView(data.screen, 100, -50); // the plan moves right and up: the centre moves west and south
    c = viewCentre(data, view);
    EXPECT_NEAR(c.x, 20 - 100 / s, 0.05);
    EXPECT_NEAR(c.y, 10 - 50 / s, 0.05);
    EXPECT_EQ(viewCentre(metreCase({}), view).x, 0);
}

TEST(ExhibitLayout, FittingScaleIsTheLargestThatHoldsEveryPoint) {
    const struct {
        std::vector<WorldPos> points;
        std::int32_t unit;
        Orientation orientation;
        std::int32_t scale;
    } cases[] = {
        // 40 x 20 m in a 277 x 160 mm frame: 1:200 makes 200 x 100 mm; 1:100 would not fit.
        {{{0, 0}, {40, 20}}, kMeter, Orientation::Landscape, 200},
        {{{0, 0}, {40, 20}}, kMeter, Orientation::Portrait, 250},
        {{{0, 0}, {300, 10}}, kMeter, Orientation::Landscape, 2000},
        // A room of 18 x 12 feet (5.5 x 3.7 m) at 1:25 is 219 x 146 mm.
        {{{0, 0}, {18, 12}}, kDecimalFeet, Orientation::Landscape, 25},
        {{{0, 0}, {1e300, 0}}, kMeter, Orientation::Landscape, kMaxScale},
        {{}, kMeter, Orientation::Landscape, 200},
    };
    for (const auto& c : cases) {
        CaseData data = metreCase(c.points);
        data.units.unit = c.unit;
        const Extents e = worldExtents(data.points, data.mode);
        const WorldPos centre =
            e.empty() ? WorldPos{} : WorldPos{(e.x0 + e.x1) / 2, (e.y0 + e.y1) / 2};
        EXPECT_EQ(fittingScale(data, centre, Paper::A4, c.orientation), c.scale) << c.scale;
    }
    EXPECT_EQ(fittingOrientation(metreCase({{0, 0}, {10, 20}})), Orientation::Portrait);
    EXPECT_EQ(fittingOrientation(metreCase({{0, 0}, {20, 20}})), Orientation::Landscape);
}

// Text 0.5 of its height wide per character, as real fonts roughly are.
class ProportionalCanvas : public RecordingCanvas {
  public:
    int textWidth(std::string_view s) override {
        return static_cast<int>(s.size()) * std::abs(font.height) / 2;
    }
};

TEST(ExhibitSheet, LongTextsShrinkToTheirCellAndKeepEveryCharacter) {
    ProportionalCanvas canvas;
    const std::string name(50, 'W');
    drawSheetText({100, 200, 50, true, SheetText::Align::Left, 600, name}, canvas);
    EXPECT_EQ(canvas.calls.back(), "text 100 200 " + name);
    EXPECT_LE(canvas.textWidth(name), 600);
    EXPECT_EQ(canvas.font.style, kBold);
    canvas.calls.clear();
    drawSheetText({500, 10, 30, false, SheetText::Align::Centre, 0, "10"}, canvas);
    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"font Arial 30 0 000000", "text 485 10 10"}));
}

TEST(ExhibitSheet, PlanIsDrawnBetweenThePaperAndTheTitleBlock) {
    CaseData data = metreCase({{0, 0}});
    data.caseName = "A";
    PlanView current;
    current.toggles.showPoints = true;
    const ExhibitLayout l = layoutExhibit({100, Paper::A4, Orientation::Portrait, '.'}, data, {});
    ExhibitPlan e = makeExhibitPlan(data, current, l);
    struct Canvases : ExhibitCanvases {
        RecordingCanvas sheetCanvas, planCanvas;
        std::string order;
        Canvas& sheet() override { return order += 's', sheetCanvas; }
        Canvas& plan() override { return order += 'p', planCanvas; }
        Canvas& legend() override { return order += 'l', legendCanvas; }
        RecordingCanvas legendCanvas;
    } canvases;
    drawExhibit(l, e, canvases);
    EXPECT_EQ(canvases.order, "sps"); // no legend to draw
    const RecordingCanvas &sheet = canvases.sheetCanvas, &plan = canvases.planCanvas;
    EXPECT_EQ(sheet.calls.front(), "fill 0 0 2100 2970 ffffff");
    EXPECT_EQ(plan.calls.front(), "fill 0 0 3800 4940 ffffff");
    EXPECT_EQ(plan.only("mark"), (std::vector<std::string>{"mark 1900 2470 000000 3"}));
    // The border, the rule under the frame and the half-black north arrow.
    EXPECT_EQ(sheet.calls[1], "pen 000000 5");
    EXPECT_EQ(sheet.calls[2], "polyline 100,100 2000,100 2000,2870 100,2870 100,100");
    EXPECT_EQ(sheet.only("line").front(), "line 100 2570 2000 2570");
    const auto polygons = sheet.only("polygon");
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_NE(polygons[0].find("fill 000000"), std::string::npos);
    EXPECT_NE(polygons[1].find("fill ffffff"), std::string::npos);
    EXPECT_EQ(sheet.only("text").back().substr(sheet.only("text").back().size() - 2), " N");
    // Every other segment of the bar is black.
    EXPECT_EQ(sheet.only("fill").size(), 1u + (l.bar.segments + 1) / 2);
    data.legend.visible = true;
    e = makeExhibitPlan(data, current, l);
    canvases.order.clear();
    drawExhibit(l, e, canvases);
    EXPECT_EQ(canvases.order, "spls");
}

} // namespace
} // namespace zorvane
