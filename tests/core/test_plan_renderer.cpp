#include "support/RecordingCanvas.h"
#include "view/PlanRenderer.h"

#include <gtest/gtest.h>

namespace zorvane {
namespace {

using testing::RecordingCanvas;
using Calls = std::vector<std::string>;

struct Plan {
    CaseData doc;
    PlanView view;
    RecordingCanvas canvas;

    Plan() {
        view.width = 600, view.height = 400;
        view.toggles = {false, false, false, false, false, false};
    }
    void add(int number, double sx, double sy, Colour mark = 0, std::string_view descriptor = "") {
        PointRecord p;
        p.number = number;
        p.m1 = sx, p.m2 = -sy; // world at scale 1, so recomputeView keeps s = 1
        p.markColour = mark;
        p.descriptor = descriptor;
        doc.points.push_back(p);
        doc.screen.push_back({sx, sy});
    }
    RedrawResult draw() {
        canvas.calls.clear();
        return redrawPlan(doc, view, canvas);
    }
};

TEST(PlanRenderer, PointWithDotNumberAndDescriptor) {
    Plan plan;
    plan.view.toggles.showPoints = plan.view.toggles.showNumbers =
        plan.view.toggles.showDescriptions = true;
    plan.view.labelHeight = 10;
    plan.add(7, 100, 200, 0x0000FF, "TREE");
    plan.add(8, 300.5, 99.5); // halves round to even; unmarked is black
    const RedrawResult r = plan.draw();
    EXPECT_EQ(plan.canvas.calls,
              (Calls{"fill 0 0 600 400 ffffff", "font Arial 10 0 000000", "mark 100 200 0000ff 3",
                     "colour 0000ff", "text 104 190 7", "text 104 200 TREE",
                     "mark 300 100 000000 3", "colour 000000", "text 304 90 8"}));
    EXPECT_EQ(r.zoomReadout, "Zoom : 100.00%");
    EXPECT_TRUE(r.brokenDefinitions.empty() && r.conversionError.empty());
    // The view was derived from the surface positions before drawing.
    EXPECT_EQ(plan.view.transform.sxmin, 100);
    EXPECT_EQ(plan.view.transform.symax, 200);
}

TEST(PlanRenderer, OnlyMarkedHidesEverythingOfUnmarkedPoints) {
    const struct {
        bool onlyMarked, points, numbers;
        Colour mark;
        Calls drawn;
    } cases[] = {
        {true, true, true, 0, {}},
        {true, true, true, 0x00FF00, {"mark 50 60 00ff00 3", "text 54 48 3", "text 54 60 KERB"}},
        {false, true, true, 0, {"mark 50 60 000000 3", "text 54 48 3", "text 54 60 KERB"}},
        {false, false, true, 0, {"text 54 48 3", "text 54 60 KERB"}},
        {true, true, false, 0x00FF00, {"mark 50 60 00ff00 3", "text 54 60 KERB"}},
    };
    for (const auto& c : cases) {
        Plan plan;
        plan.view.toggles.onlyMarked = c.onlyMarked;
        plan.view.toggles.showPoints = c.points;
        plan.view.toggles.showNumbers = c.numbers;
        plan.view.toggles.showDescriptions = true;
        plan.add(3, 50, 60, c.mark, "KERB");
        plan.draw();
        Calls drawn = plan.canvas.only("mark");
        for (const auto& t : plan.canvas.only("text")) drawn.push_back(t);
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn, c.drawn) << c.onlyMarked << c.points << c.numbers << c.mark;
    }
}

TEST(PlanRenderer, NothingIsSentForCellsAndDotsOffTheSurface) {
    Plan plan;
    plan.view.toggles.showPoints = plan.view.toggles.showNumbers =
        plan.view.toggles.showDescriptions = true;
    plan.add(1, -5000, 100, 0, "GONE");          // far left
    plan.add(2, 300, 5000, 0, "GONE");           // far below
    plan.add(3, -30, 100, 0, "LONGDESCRIPTION"); // cell -26..64 reaches in; number cell does not
    plan.add(4, 300, 5);                         // number cell -7..5 still shows its bottom rows
    plan.add(5, 300, -12, 0, "EDGE");            // descriptor cell -12..0 ends at the top edge
    plan.add(6, 601, 401);                       // dot within its pen width of the corner
    plan.draw();
    EXPECT_EQ(plan.canvas.only("text"), (Calls{"text -26 100 LONGDESCRIPTION", "text 304 -7 4"}));
    EXPECT_EQ(plan.canvas.only("mark"), (Calls{"mark 300 5 000000 3", "mark 601 401 000000 3"}));
}

TEST(PlanRenderer, LabelsWhollyUnderLaterLabelsAreNotSent) {
    Plan plan;
    plan.view.toggles.showPoints = plan.view.toggles.showNumbers =
        plan.view.toggles.showDescriptions = true;
    plan.add(10, 100, 100, 0, "LONGER"); // number cell 104..115: covered by 7 and 8 together
    plan.add(20, 300, 100, 0, "X");      // number cell 304..315: its last two columns stay visible
    plan.add(7, 100, 100, 0, "AB");      // 104..109; its descriptor leaves LONGER showing
    plan.add(8, 106, 100);               // 110..115
    plan.add(9, 299, 100);               // 303..308
    plan.add(5, 304, 100);               // 308..313
    plan.add(31, 500, 100);              // rows 88..99: the bottom row stays visible
    plan.add(32, 500, 99);               // rows 87..98
    plan.draw();
    EXPECT_EQ(plan.canvas.only("text"),
              (Calls{"text 104 100 LONGER", "text 304 88 20", "text 304 100 X", "text 104 88 7",
                     "text 104 100 AB", "text 110 88 8", "text 303 88 9", "text 308 88 5",
                     "text 504 88 31", "text 504 87 32"}));
    EXPECT_EQ(plan.canvas.only("mark").size(), 8u); // marks are never skipped
}

TEST(PlanRenderer, TextColourChangesOnlyWithTheMarkColour) {
    Plan plan;
    plan.view.toggles.showPoints = plan.view.toggles.showNumbers = true;
    for (int i = 0; i < 3; ++i) plan.add(i, 10 + 40 * i, 10, 0xFF0000);
    plan.add(3, 200, 10, 0x00FF00);
    plan.add(4, 300, 10, 0xFF0000);
    plan.draw();
    EXPECT_EQ(plan.canvas.only("colour"),
              (Calls{"colour ff0000", "colour 00ff00", "colour ff0000"}));
    EXPECT_TRUE(plan.canvas.only("pen").empty()); // marks carry their own colour
    EXPECT_EQ(plan.canvas.only("mark").size(), 5u);
}

TEST(PlanRenderer, LegendSkipsEmptyLinesAndBoxesTheText) {
    Plan plan;
    LegendRecord& legend = plan.doc.legend;
    legend.visible = true;
    legend.lines[0] = "First";
    legend.lines[2] = "Second";
    legend.fontHeight = -11;
    legend.fontColour = 0x123456;
    plan.draw();
    // round(-11 / 5) = -2: lines at top + 2 and top + 13; the box bottom at top + 26.
    EXPECT_EQ(plan.canvas.calls,
              (Calls{"fill 0 0 600 400 ffffff", "font Arial 12 0 000000",
                     "font MS Sans Serif -11 0 123456", "text 32 12 First", "text 32 23 Second",
                     "pen 123456 1", "polyline 30,10 70,10 70,36 30,36 30,10"}));

    legend.boxed = false;
    legend.fontHeight = -13; // d = round(-2.6) = -3
    legend.lines[9] = "Last";
    plan.draw();
    EXPECT_EQ(plan.canvas.only("text"),
              (Calls{"text 32 13 First", "text 32 26 Second", "text 32 39 Last"}));
    EXPECT_TRUE(plan.canvas.only("polyline").empty());
}

TEST(PlanRenderer, NorthArrowAtItsStartPosition) {
    Plan plan;
    plan.view.toggles.showNorthArrow = true;
    plan.draw();
    EXPECT_EQ(plan.canvas.calls, (Calls{"fill 0 0 600 400 ffffff", "font Arial 12 0 000000",
                                        "pen 000000 1", "font Arial 15 1 000000", "text 7 31 N",
                                        "polygon 10,5 5,30 15,30 fill ffffff"}));
}

TEST(PlanRenderer, StoredExtremesStayInThePixelRange) {
    Plan plan;
    plan.doc.legend.visible = true;
    plan.doc.legend.lines[0] = "X";
    plan.doc.legend.left = 2147483647;
    plan.doc.legend.fontHeight = -2147483647 - 1;
    plan.view.toggles.showNorthArrow = true;
    plan.view.northArrow = {2147483647, -2147483647 - 1};
    plan.view.toggles.showNumbers = true;
    plan.view.labelHeight = -2147483647 - 1;
    plan.add(1, 1e300, 10);
    plan.draw();
    // round(-2^31 / 5) = -429496730 below the top of 10; everything else on the limits.
    EXPECT_EQ(plan.canvas.only("text"),
              (Calls{"text 1073741824 429496740 X", "text 1073741824 -1073741824 N"}));
    EXPECT_EQ(plan.canvas.only("polyline").size(), 1u);
    EXPECT_EQ(plan.canvas.only("polygon").size(), 1u);
}

} // namespace
} // namespace zorvane
