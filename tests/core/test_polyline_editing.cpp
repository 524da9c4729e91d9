#include "case/CaseOperations.h"
#include "case/PolylineEditing.h"

#include <gtest/gtest.h>

namespace zorvane {
namespace {

struct PolylineEditing : ::testing::Test {
    CaseDocument doc;
    UndoHistory undo;
    void SetUp() override { resetCase(doc, CaseMode::Xyz, ProgramOptions{}, ""); }
    PolylineOutcome put(const std::string& name, const std::string& points, int colour = 6) {
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
    struct Case { std::string name, points, message; };
    const Case cases[] = {
        {"", "1,2", kEmptyPolylineName},
        {"   ", "1,2", kEmptyPolylineName},
        {"Road", "5", kPointsSeparatorMissing},
        {"Road", "", kPointsSeparatorMissing},
        {"Roadway1234", "1,2", kPolylineNameTooLong},
    };
    for (const Case& c : cases) {
        const PolylineOutcome out = put(c.name, c.points);
        EXPECT_EQ(out.kind, PolylineOutcome::Kind::Refused) << c.name;
        EXPECT_EQ(out.message, c.message);
        EXPECT_TRUE(doc.polylines.empty());
        EXPECT_TRUE(doc.clean);
        EXPECT_FALSE(undo.canUndo());
    }
    EXPECT_EQ(std::string(kPointsSeparatorMissing), "Incorrect data in Points field: \",\" or \"-\" missing.");
    EXPECT_TRUE(put("Road", "5", 6).focusPoints);
}

TEST_F(PolylineEditing, SameNameReplacesOtherCaseAppends) {
    EXPECT_EQ(put("P1", "1,2").kind, PolylineOutcome::Kind::Appended);
    const PolylineOutcome again = put("P1", "3-5", 2);
    EXPECT_EQ(again.kind, PolylineOutcome::Kind::Replaced);
    EXPECT_EQ(again.index, 0u);
    EXPECT_EQ(doc.polylines[0].pointsText.view(), "3-5");
    EXPECT_EQ(doc.polylines[0].colourIndex, 2);
    // The names list finds P1 for "p1", but the record lookup is exact.
    EXPECT_EQ(findPolylineIgnoringCase(doc.polylines, "p1"), 0u);
    EXPECT_EQ(put("p1", "1,2").kind, PolylineOutcome::Kind::Appended);
    EXPECT_EQ(names(), (std::vector<std::string>{"P1", "p1"}));
    EXPECT_FALSE(doc.clean);
}

TEST_F(PolylineEditing, CreateAndDeleteAreUndoneWithTheTable) {
    put("P1", "1,2");
    put("P2", "2,3");
    ASSERT_TRUE(deletePolyline(doc, undo, 0));
    EXPECT_EQ(names(), (std::vector<std::string>{"P2"}));
    undo.undo(doc);
    EXPECT_EQ(names(), (std::vector<std::string>{"P1", "P2"}));
    undo.redo(doc);
    EXPECT_EQ(names(), (std::vector<std::string>{"P2"}));
    EXPECT_FALSE(deletePolyline(doc, undo, 5));
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
