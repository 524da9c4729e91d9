#include "case/CaseOperations.h"
#include "case/PolylineEditing.h"

#include <gtest/gtest.h>

namespace zorvane {
namespace {

struct PolylineEditing : ::testing::Test {
    CaseState doc;
    UndoHistory undo;
    void SetUp() override { resetCase(doc, CaseMode::Xyz, ProgramOptions{}, ""); }
    Outcome put(const std::string& name, const std::string& points, int colour = 6) {
        PolylineFields f;
        f.name = name;
        f.pointsText = points;
        f.colourIndex = colour;
        return createOrModifyPolyline(doc, undo, f);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& r : doc.polylines) out.push_back(r.name.str());
        return out;
    }
};

TEST_F(PolylineEditing, RefusalsChangeNothing) {
    struct Case {
        std::string name, points, message;
    };
    const Case cases[] = {
        {"", "1,2", kEmptyPolylineName},
        {"   ", "1,2", kEmptyPolylineName},
        {"Road", "5", kPointsSeparatorMissing},
        {"Road", "", kPointsSeparatorMissing},
        {"Roadway1234", "1,2", kPolylineNameTooLong},
    };
    for (const Case& c : cases) {
        const Outcome out = put(c.name, c.points);
        EXPECT_FALSE(out.changed) << c.name;
        EXPECT_EQ(out.error, c.message);
        EXPECT_TRUE(doc.polylines.empty());
        EXPECT_EQ(undo.changes(), 0u);
        EXPECT_FALSE(undo.canUndo());
    }
    EXPECT_EQ(std::string(kPointsSeparatorMissing),
              "Incorrect data in Points field: \",\" or \"-\" missing.");
    EXPECT_EQ(put("Road", "5", 6).focus, Field::Points);
}

TEST_F(PolylineEditing, SameNameReplacesOtherCaseAppends) {
    EXPECT_EQ(put("P1", "1,2").row, 0);
    const Outcome again = put("P1", "3-5", 2);
    EXPECT_TRUE(again.changed);
    EXPECT_EQ(again.row, 0);
    EXPECT_EQ(doc.polylines.size(), 1u);
    EXPECT_EQ(doc.polylines[0].pointsText.view(), "3-5");
    EXPECT_EQ(doc.polylines[0].colourIndex, 2);
    // The names list finds P1 for "p1", but the record lookup is exact.
    EXPECT_EQ(findPolylineIgnoringCase(doc.polylines, "p1"), 0u);
    EXPECT_EQ(put("p1", "1,2").row, 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"P1", "p1"}));
    EXPECT_EQ(undo.changes(), 3u);
}

TEST_F(PolylineEditing, CreateAndDeleteAreUndoneWithTheTable) {
    put("P1", "1,2");
    put("P2", "2,3");
    ASSERT_TRUE(deletePolyline(doc, undo, 0).changed);
    EXPECT_EQ(names(), (std::vector<std::string>{"P2"}));
    undo.undo(doc);
    EXPECT_EQ(names(), (std::vector<std::string>{"P1", "P2"}));
    undo.redo(doc);
    EXPECT_EQ(names(), (std::vector<std::string>{"P2"}));
    EXPECT_FALSE(deletePolyline(doc, undo, 5).changed);
}

TEST_F(PolylineEditing, ResetFieldsAreWidthZeroAndBlack) {
    const PolylineFields reset = polylineFields(nullptr);
    EXPECT_EQ(reset.widthIndex, 0);
    EXPECT_EQ(reset.colourIndex, 6);
    EXPECT_TRUE(reset.pointsText.empty());
    EXPECT_EQ(kPolylineColours[6].text, "black");
}

} // namespace
} // namespace zorvane
