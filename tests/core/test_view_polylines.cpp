#include "support/RecordingCanvas.h"
#include "view/PlanRenderer.h"
#include "view/PolylineDrawing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZORVANE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORVANE_ASAN 1
#endif
#endif
#ifndef ZORVANE_ASAN
#define ZORVANE_ASAN 0
#endif

namespace zorvane {
namespace {

using testing::RecordingCanvas;
using Calls = std::vector<std::string>;

PolylineRecord definition(std::string_view name, std::string_view points, int colour = 6,
                          int width = 0) {
    PolylineRecord r;
    r.name = name;
    r.pointsText = points;
    r.colourIndex = colour;
    r.widthIndex = width;
    return r;
}

// Points 1..4 on a circle of radius 50 about (150, 100), and 5 off it, at half pixels that
// round to even.
struct Lines {
    PointTable points;
    ScreenPositions screen;
    RecordingCanvas canvas;

    Lines() {
        const ScreenPos at[] = {{100.5, 100}, {150, 50.5}, {200, 100}, {150, 150}, {20, 20}};
        for (int i = 0; i < 5; ++i) {
            PointRecord p;
            p.number = i + 1;
            points.push_back(p);
            screen.push_back(at[i]);
        }
    }
    PolylineDrawReport draw(const PolylineTable& table) {
        canvas.calls.clear();
        return drawPolylines(table, points, screen, canvas);
    }
};

TEST(PolylineDrawing, KindFromTheNameAndVerticesFromThePoints) {
    const struct {
        PolylineRecord def;
        Calls calls;
    } cases[] = {
        {definition("Road", "1,2,3"), {"pen 000000 1", "polyline 100,100 150,50 200,100"}},
        {definition("Road", "3-1", 0, 3), {"pen 0000ff 3", "polyline 100,100 150,50 200,100"}},
        {definition("kerb", "5, 1 ,5", 7, 2), {"pen 808080 2", "polyline 20,20 100,100 20,20"}},
        {definition("arc1", "1,2,3"),
         {"pen 000000 1", "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("Area", "1,4,3", 4, 4),
         {"pen ff0000 4", "arc 100 50 200 150 from 100 100 to 200 100"}},
        // Exactly four entries: the whole circle too; the fourth only counts.
        {definition("a4", "1,2,3,5"),
         {"pen 000000 1", "arc 100 50 200 150 from 100 100 to 100 100",
          "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("a5", "1,2,3,4,5"),
         {"pen 000000 1", "arc 100 50 200 150 from 200 100 to 100 100"}},
        // Too few vertices, collinear arcs and damaged widths.
        {definition("P", "5,"), {}},
        {definition("A2", "1,2"), {}},
        {definition("aline", "1,3,1"), {"pen 000000 1"}},
        {definition("W", "1,2", 99, 1000), {"pen 000000 1", "polyline 100,100 150,50"}},
    };
    for (const auto& c : cases) {
        Lines lines;
        const PolylineDrawReport report = lines.draw({c.def});
        EXPECT_EQ(lines.canvas.calls, c.calls)
            << c.def.name.view() << " " << c.def.pointsText.view();
        EXPECT_TRUE(report.brokenNames.empty() && report.conversionError.empty());
    }
}

TEST(PolylineDrawing, FirstPointWithTheNumberWins) {
    Lines lines;
    PointRecord twin;
    twin.number = 2;
    lines.points.push_back(twin);
    lines.screen.push_back({400, 400});
    lines.draw({definition("L", "2,1")});
    EXPECT_EQ(lines.canvas.only("polyline"), (Calls{"polyline 150,50 100,100"}));
}

TEST(PolylineDrawing, BrokenDefinitionsAreSkippedAndNamed) {
    Lines lines;
    const PolylineDrawReport report = lines.draw(
        {definition("P1", "1,9"), definition("ok", "1,2"), definition("P2", "8-9"),
         definition("Q", "2, x ,3"), definition("R", "1,y"), definition("S", "1-5000000")});
    EXPECT_EQ(lines.canvas.only("polyline"), (Calls{"polyline 100,100 150,50"}));
    // Q and R name points that exist: only the first of them is reported, as not a number.
    EXPECT_EQ(report.brokenNames, (std::vector<std::string>{"P1", "P2", "S"}));
    EXPECT_EQ(report.conversionError, "'x' is not a valid integer value in Polyline or Arc \"Q\"");
}

// The entries are taken in order and the first missing point or stray text decides; a range
// bound is read with the text, before any point is looked up.
TEST(PolylineDrawing, FirstFaultInOrderDecides) {
    const struct {
        const char* points;
        bool broken;
        const char* notANumber;
    } cases[] = {
        {"1,9,x", true, ""},           {"1,x,9", false, "x"},     {"9,1-y", false, "y"},
        {"1-3,4-1048576,x", true, ""}, {"1-5, 6-6", true, ""},    {" 2 , 3x ", false, "3x"},
        {"1-5,7-9,x-1", false, "x"},   {"x,1-3000000", true, ""}, // too many entries, found while
                                                                  // reading the text
    };
    for (const auto& c : cases) {
        Lines lines;
        const PolylineDrawReport report = lines.draw({definition("D", c.points)});
        EXPECT_TRUE(lines.canvas.calls.empty()) << c.points;
        EXPECT_EQ(report.brokenNames.size(), c.broken ? 1u : 0u) << c.points;
        EXPECT_EQ(report.conversionError,
                  *c.notANumber ? conversionErrorMessage(c.notANumber, "D") : "")
            << c.points;
    }
}

TEST(PolylineDrawing, RangesGiveVerticesAndTheArcCount) {
    const struct {
        PolylineRecord def;
        Calls calls;
    } cases[] = {
        {definition("L", "1-3,2-1"),
         {"pen 000000 1", "polyline 100,100 150,50 200,100 100,100 150,50"}}, // ranges ascend
        {definition("L", "5-5,4-3"), {"pen 000000 1", "polyline 20,20 200,100 150,150"}},
        // Four entries through ranges ask for the whole circle; five or three do not.
        {definition("a", "1-4"),
         {"pen 000000 1", "arc 100 50 200 150 from 100 100 to 100 100",
          "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("a", "1-3,5"),
         {"pen 000000 1", "arc 100 50 200 150 from 100 100 to 100 100",
          "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("a", "1, 2-3 ,5-5"),
         {"pen 000000 1", "arc 100 50 200 150 from 100 100 to 100 100",
          "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("a", "1-5"), {"pen 000000 1", "arc 100 50 200 150 from 200 100 to 100 100"}},
        {definition("a", "3-1"), {"pen 000000 1", "arc 100 50 200 150 from 200 100 to 100 100"}},
    };
    for (const auto& c : cases) {
        Lines lines;
        const PolylineDrawReport report = lines.draw({c.def});
        EXPECT_EQ(lines.canvas.calls, c.calls)
            << c.def.name.view() << " " << c.def.pointsText.view();
        EXPECT_TRUE(report.brokenNames.empty() && report.conversionError.empty());
    }
}

// Lets the address space of this process grow by at most `bytes` from here on.
void limitAddressSpaceGrowth(std::size_t bytes) {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    const rlim_t limit = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + bytes;
    const rlimit r{limit, limit};
    ::setrlimit(RLIMIT_AS, &r);
}

// A crafted case file: 400 definitions that each name a million numbers over a few points.
// Each is broken at its first missing number; nothing is expanded, so the pass fits in a few
// megabytes where a list of every named number would take gigabytes.
TEST(PolylineDrawing, HugeRangesOverFewPointsCostLittle) {
    Lines lines;
    PolylineTable table;
    for (int k = 0; k < 400; ++k) table.push_back(definition("H" + std::to_string(k), "1-1048576"));
    table.push_back(definition("ok", "1-5"));
#if !ZORVANE_ASAN // the sanitizer reserves terabytes of address space up front
    EXPECT_EXIT(
        {
            limitAddressSpaceGrowth(64 << 20);
            lines.draw(table);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
#endif
    const PolylineDrawReport report = lines.draw(table);
    EXPECT_EQ(report.brokenNames.size(), 400u);
    EXPECT_EQ(lines.canvas.only("polyline"),
              (Calls{"polyline 100,100 150,50 200,100 150,150 20,20"}));
}

TEST(PolylineDrawing, BrokenMessageText) {
    EXPECT_EQ(
        brokenDefinitionsMessage({"P1", "P2"}),
        " An error occured in Polylines or Arcs \"P1,P2\". One or more points don't exist or have "
        "been deleted.\r\r Please check Polylines and Arcs definition before continuing.");
}

TEST(PolylineDrawing, RedrawDrawsThemLastAndReportsWhileShown) {
    CaseData doc;
    PlanView view;
    view.width = 300, view.height = 200;
    view.toggles = {false, true, false, false, true, false};
    Lines lines;
    doc.points = lines.points;
    doc.screen = lines.screen;
    doc.polylines = {definition("P1", "1,7"), definition("L", "1,2"), definition("P2", "z"),
                     definition("P3", "8")};
    RecordingCanvas canvas;
    RedrawResult r = redrawPlan(doc, view, canvas);
    EXPECT_EQ(canvas.calls.back(), "polyline 100,100 150,50");
    EXPECT_EQ(r.brokenDefinitions, brokenDefinitionsMessage({"P1", "P3"}));
    EXPECT_EQ(r.conversionError, "'z' is not a valid integer value in Polyline or Arc \"P2\"");

    view.toggles.showPolylines = false;
    canvas.calls.clear();
    r = redrawPlan(doc, view, canvas);
    EXPECT_TRUE(canvas.only("polyline").empty());
    EXPECT_TRUE(r.brokenDefinitions.empty() && r.conversionError.empty());
}

} // namespace
} // namespace zorvane
