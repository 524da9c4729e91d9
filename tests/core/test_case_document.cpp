#include "case/CaseDocument.h"
#include "model/ChunkedTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvane {
namespace {

struct OpenCase : ::testing::Test {
    CaseDocument doc;
    std::vector<unsigned> told;

    void SetUp() override {
        doc.observe([this](unsigned changes) { told.push_back(changes); });
        doc.startNew(CaseMode::Xyz, ProgramOptions{}, "08/12/2026");
        told.clear();
    }
    Outcome create(int number, const char* x, const char* y = "0") {
        EntryFields f;
        f.number = std::to_string(number);
        f.values = {x, y};
        return doc.createOrModifyPoint(f);
    }
    double x(std::size_t i) const { return doc.state().points[i].m1; }
};

TEST_F(OpenCase, CleanStateFollowsChangesAndSavesNotUndo) {
    EXPECT_TRUE(doc.isClean());
    create(1, "1");
    EXPECT_FALSE(doc.isClean());
    ASSERT_EQ(told.size(), 1u); // one notification per command
    EXPECT_TRUE(told[0] & kPointsChanged && told[0] & kHistoryChanged && told[0] & kCleanChanged);
    doc.markSaved();
    EXPECT_TRUE(doc.isClean());
    doc.undo();
    EXPECT_TRUE(doc.isClean()); // undo is not a change: a saved case stays saved
    doc.redo();
    EXPECT_TRUE(doc.isClean());
    doc.setCaseName("Crossing"); // saved with the case: a change to keep
    EXPECT_FALSE(doc.isClean());
    doc.markSaved();
    doc.renumberPoints(10);
    EXPECT_FALSE(doc.isClean());
    doc.markSaved();
    const std::uint8_t photo[] = {0xFF, 0xD8, 0xFF, 0xD9};
    doc.addImage(photo);
    EXPECT_FALSE(doc.isClean());
    doc.startNew(CaseMode::Polar, ProgramOptions{}, "");
    EXPECT_TRUE(doc.isClean());
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(OpenCase, RefusedCommandsTellNothingAndChangeNothing) {
    EXPECT_EQ(create(1, "").error, "Enter valid coordinates");
    EntryFields bad;
    bad.number = "x";
    bad.values = {"1", "2"};
    EXPECT_TRUE(doc.createOrModifyPoint(bad).failed());
    EXPECT_FALSE(doc.deletePoint("42").changed);
    EXPECT_FALSE(doc.undo().changed);
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(doc.isClean());
}

// Snapshots share chunks with the live table: a change after them must never show through.
TEST_F(OpenCase, UndoAndRedoOfOnePointInALargeCase) {
    for (int n = 1; n <= 5000; ++n) create(n, std::to_string(n).c_str());
    create(2500, "-1");
    EXPECT_EQ(x(2499), -1);
    for (int round = 0; round < 2; ++round) { // a slot keeps its contents
        doc.undo();
        EXPECT_EQ(x(2499), 2500);
        doc.redo();
        EXPECT_EQ(x(2499), -1);
    }
    doc.deletePoint("1200");
    EXPECT_EQ(doc.state().points.size(), 4999u);
    EXPECT_EQ(doc.state().points[1199].number, 1201);
    EXPECT_EQ(doc.state().screen.size(), 4999u);
    doc.undo();
    EXPECT_EQ(doc.state().points.size(), 5000u);
    EXPECT_EQ(doc.state().points[1199].number, 1200);
    EXPECT_EQ(x(2499), -1);
}

TEST_F(OpenCase, FirstPointOffTheSurfaceBringsAZoomAll) {
    doc.setSurfaceSize(400, 300);
    create(1, "5000", "-7000");
    create(2, "5100", "-7080");
    ASSERT_TRUE(doc.ensurePointsVisible());
    for (const ScreenPos& p : doc.state().screen) {
        EXPECT_TRUE(p.x >= 0 && p.x <= 400 && p.y >= 0 && p.y <= 300) << p.x << "," << p.y;
    }
    EXPECT_FALSE(doc.ensurePointsVisible()); // already in view: the view stays
}

TEST(ChunkedTable, EditsCopyOnlyWhatTheyChangeAndIndexesFollowErasures) {
    using Table = ChunkedTable<int, 4>;
    Table t;
    for (int i = 0; i < 11; ++i) t.push_back(i);
    const Table kept = t;
    t.edit(5) = 50;
    t.erase(0);
    t.erase(3);                                        // the old 4: its chunk shrinks
    for (int k = 0; k < 3; ++k) t.erase(t.size() - 1); // the last chunk goes
    EXPECT_EQ(std::vector<int>(t.begin(), t.end()), (std::vector<int>{1, 2, 3, 50, 6, 7}));
    EXPECT_EQ(std::vector<int>(kept.begin(), kept.end()),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (std::size_t i = t.size(); i-- > 0;)
        EXPECT_EQ(t[i], (std::vector<int>{1, 2, 3, 50, 6, 7})[i]);
    // The chunk remembered from the last lookup must never answer for another one.
    for (std::size_t i : {5u, 0u, 4u, 3u, 1u, 5u, 2u, 4u, 0u, 3u})
        EXPECT_EQ(t[i], (std::vector<int>{1, 2, 3, 50, 6, 7})[i]) << i;
    t.resize(8);
    EXPECT_EQ(t[7], 0);
    t.forEachMutable([](int& v) { v += 1; });
    EXPECT_EQ(t.front(), 2);
    EXPECT_EQ(kept.back(), 10);
    EXPECT_FALSE(t == kept);
}

TEST(ChunkedTable, FindPointTakesTheFirstNumberAcrossChunksAndSeesEdits) {
    PointTable points;
    auto numbered = [](int n) {
        PointRecord p;
        p.number = n;
        return p;
    };
    for (int i = 0; i < 3000; ++i) points.push_back(numbered(3000 - i));
    points.push_back(numbered(7)); // a second 7 (a file may hold repeats): the first one counts
    EXPECT_EQ(findPoint(points, 7), 2993u);
    EXPECT_EQ(findPoint(points, 3000), 0u);
    EXPECT_FALSE(findPoint(points, 0));
    const PointTable before = points;
    points.edit(2993).number = 99999;
    EXPECT_EQ(findPoint(points, 7), 3000u);
    EXPECT_EQ(findPoint(points, 99999), 2993u);
    EXPECT_EQ(findPoint(before, 7), 2993u);
    points.erase(0);
    EXPECT_EQ(findPoint(points, 99999), 2992u);
    EXPECT_EQ(worldExtents(points, CaseMode::Xyz).empty(), false);
}

} // namespace
} // namespace zorvane
