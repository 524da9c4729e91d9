#include "case/CaseOperations.h"
#include "case/PointEditing.h"
#include "case/PointEntry.h"

#include <gtest/gtest.h>

#include <limits>

namespace zorvane {
namespace {

struct Entry : ::testing::Test {
    CaseState doc;
    ViewTransform view;
    UndoHistory undo;

    void start(CaseMode mode, int unit = kMeter, int decimals = 2) {
        ProgramOptions o;
        o.defaultUnit = unit;
        o.defaultDecimals = decimals;
        resetCase(doc, mode, o, "07/12/2026");
        undo.disable();
    }
    Outcome create(const std::string& number, std::array<std::string, 5> values,
                   const std::string& desc = "") {
        EntryFields f;
        f.number = number;
        f.values = values;
        f.descriptor = desc;
        last = f;
        return createOrModifyPoint(doc, view, undo, last);
    }
    std::string cell(int row, int col) const {
        return doc.grid.cell(doc.points, doc.mode, row, col);
    }
    std::vector<int> numbers() const {
        std::vector<int> out;
        for (const auto& p : doc.points) out.push_back(p.number);
        return out;
    }
    EntryFields last;
};

TEST_F(Entry, CreatesInTypedOrderAndSelectsTheNewPointRow) {
    start(CaseMode::Xyz);
    for (const char* n : {"5", "3", "9"}) ASSERT_TRUE(create(n, {"1", "2"}).changed);
    EXPECT_EQ(numbers(), (std::vector<int>{5, 3, 9}));
    EXPECT_EQ(doc.lastPointNumber, 9);
    EXPECT_EQ(doc.grid.selectedRow, 4);
    const SelectionLoad next = loadSelection(doc, doc.grid.selectedRow);
    EXPECT_FALSE(next.pointRow);
    EXPECT_EQ(next.fields.number, "10");
}

TEST_F(Entry, ModifyingKeepsTheMarkAndTheSelectionUnlessItIsTheLastPointRow) {
    start(CaseMode::Xyz);
    create("1", {"1", "1"});
    create("2", {"2", "2"});
    doc.grid.selectedRow = 1;
    setMark(doc, undo, 0xFF);
    create("1", {"7", "8"});
    EXPECT_EQ(doc.points[0].m1, 7);
    EXPECT_EQ(doc.points[0].markColour, 0xFFu);
    EXPECT_EQ(doc.grid.selectedRow, 1);
    create("2", {"3", "3"});
    EXPECT_EQ(doc.grid.selectedRow, 3); // last point row -> the new-point row
}

TEST_F(Entry, MissingValuesAreRefusedWithoutTouchingTheCaseOrItsHistory) {
    struct Case {
        CaseMode mode;
        std::array<std::string, 5> values;
    };
    const Case cases[] = {
        {CaseMode::Xyz, {"", "2"}},    {CaseMode::Xyz, {"1", "  "}},
        {CaseMode::Xyz, {"abc", "2"}}, // unreadable empties the field
        {CaseMode::Polar, {"", "10"}}, {CaseMode::Polar, {"90", ""}},
    };
    for (const Case& c : cases) {
        start(c.mode);
        const Outcome out = create("1", c.values);
        EXPECT_FALSE(out.changed);
        EXPECT_EQ(out.error, "Enter valid coordinates");
        EXPECT_EQ(out.focus, Field::Value);
        EXPECT_EQ(out.index, 0);
        EXPECT_TRUE(doc.points.empty());
        EXPECT_EQ(undo.changes(), 0u);
        EXPECT_FALSE(undo.canUndo());
    }
}

TEST_F(Entry, NonIntegerNumberIsReportedAndNothingIsCreated) {
    start(CaseMode::Xyz);
    const Outcome out = create("12a", {"1", "2"});
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(out.error, "'12a' is not a valid integer value");
    EXPECT_EQ(out.focus, Field::Number);
    EXPECT_TRUE(doc.points.empty());
    EXPECT_EQ(undo.changes(), 0u);
}

TEST_F(Entry, ValuesAreStoredWithTheShownPrecisionAndTheHeightDefaultsToZero) {
    start(CaseMode::Xyz, kMeter, 2);
    create("1", {"1.234", "-0.004", ""});
    EXPECT_EQ(last.values[0], "1.23");
    EXPECT_DOUBLE_EQ(doc.points[0].m1, 1.23);
    EXPECT_EQ(cell(1, 3), "0.00");
    EXPECT_EQ(doc.points[0].m3, 0);

    start(CaseMode::Xyz, kFeetInches);
    create("1", {"5 3", "12' 3 1/2\"", ""});
    EXPECT_EQ(cell(1, 1), "5' 3\"");
    EXPECT_EQ(cell(1, 2), "12' 3 1/2\"");
    EXPECT_EQ(cell(1, 3), "0' 0\"");
    EXPECT_DOUBLE_EQ(doc.points[0].m2, 12 + 3.5 / 12);
}

TEST_F(Entry, AnEmptyHeightShowsTheZeroTextWhateverTheDecimals) {
    for (int decimals : {0, 3, 4}) {
        start(CaseMode::Xyz, kMeter, decimals);
        create("1", {"1", "2", ""});
        EXPECT_EQ(cell(1, 3), "0.00") << decimals;
        EXPECT_EQ(doc.points[0].m3, 0);
        create("2", {"1", "2", "1.23456"});
        EXPECT_EQ(cell(2, 3), decimals == 0 ? "1" : decimals == 3 ? "1.235" : "1.2346");
    }
}

TEST_F(Entry, PolarAndNeswPointsLandWhereTheirOffsetsSay) {
    start(CaseMode::Polar, kMeter, 0);
    create("1", {"45.4", "10", "1"});
    EXPECT_EQ(doc.points[0].m1, 45);
    start(CaseMode::Polar);
    create("1", {"90", "10"});
    EXPECT_NEAR(worldPosition(doc.points[0], doc.mode).x, 10, 1e-12);
    EXPECT_NEAR(worldPosition(doc.points[0], doc.mode).y, 0, 1e-12);

    start(CaseMode::Nesw);
    create("1", {"", "", "", "3", "2.5"});
    EXPECT_EQ(cell(1, 1), "0.00");
    EXPECT_EQ(cell(1, 4), "3.00");
    EXPECT_EQ(cell(1, 5), "2.50");
    EXPECT_EQ(worldPosition(doc.points[0], doc.mode).x, -3);
    EXPECT_EQ(worldPosition(doc.points[0], doc.mode).y, 0);
}

TEST_F(Entry, DescriptorsListedOnceAndEnterInTheNumberFieldFindsTheRow) {
    start(CaseMode::Xyz);
    create("1", {"1", "1"}, "Kerb");
    create("2", {"2", "2"}, "kerb");
    create("7", {"3", "3"}, "Skid");
    EXPECT_EQ(doc.descriptors, (std::vector<std::string>{"Kerb", "Skid"}));
    EXPECT_EQ(findRowByNumberText(doc, " 7").row, 3);
    EXPECT_FALSE(findRowByNumberText(doc, "8").row);
    EXPECT_EQ(findRowByNumberText(doc, "x").error, "'x' is not a valid integer value");
    const SelectionLoad s = loadSelection(doc, 2);
    EXPECT_EQ(s.fields.number, "2");
    EXPECT_EQ(s.fields.values[0], "2.00");
    EXPECT_EQ(s.fields.descriptor, "kerb");
}

TEST_F(Entry, UndoAndRedoRestoreOneStepWithRowsMarksAndLastNumber) {
    start(CaseMode::Xyz);
    create("1", {"1", "1"});
    create("2", {"2", "2"});
    const auto saved = undo.changes();
    ASSERT_TRUE(undo.undo(doc));
    EXPECT_EQ(numbers(), (std::vector<int>{1}));
    EXPECT_EQ(doc.lastPointNumber, 1);
    EXPECT_EQ(loadSelection(doc, newPointRow(doc)).fields.number, "2");
    EXPECT_FALSE(undo.canUndo());
    EXPECT_EQ(undo.changes(), saved); // undo is not a change: a saved case stays saved
    ASSERT_TRUE(undo.redo(doc));
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(doc.lastPointNumber, 2);
    EXPECT_EQ(doc.screen.size(), 2u);
    EXPECT_FALSE(undo.redo(doc));
}

TEST_F(Entry, MarksAreUndoneOneByOneAndAllAtOnce) {
    start(CaseMode::Xyz);
    create("1", {"1", "1"});
    create("2", {"2", "2"});
    doc.grid.selectedRow = 1;
    setMark(doc, undo, kMarkRed);
    doc.grid.selectedRow = 2;
    setMark(doc, undo, kMarkBlue);
    clearAllMarks(doc, undo);
    EXPECT_EQ(doc.points[0].markColour, 0u);
    undo.undo(doc);
    EXPECT_EQ(doc.points[0].markColour, kMarkRed);
    EXPECT_EQ(doc.points[1].markColour, kMarkBlue);
    doc.grid.selectedRow = newPointRow(doc);
    EXPECT_FALSE(setMark(doc, undo, kMarkRed).changed);
}

TEST_F(Entry, DeletingLowersTheLastNumberOnlyForTheHighestAndRedoMatches) {
    start(CaseMode::Xyz);
    for (const char* n : {"5", "3", "9"}) create(n, {"1", "1"});
    deletePoint(doc, undo, "3");
    EXPECT_EQ(doc.lastPointNumber, 9);
    deletePoint(doc, undo, "9");
    EXPECT_EQ(numbers(), (std::vector<int>{5}));
    EXPECT_EQ(doc.lastPointNumber, 8);
    EXPECT_EQ(doc.screen.size(), 1u);
    undo.undo(doc);
    EXPECT_EQ(doc.lastPointNumber, 9);
    undo.redo(doc);
    EXPECT_EQ(doc.lastPointNumber, 8);
    EXPECT_FALSE(deletePoint(doc, undo, "42").changed);
    EXPECT_EQ(deletePoint(doc, undo, "4x").error, "'4x' is not a valid integer value");
}

TEST_F(Entry, DeletingTheSmallestNumberDoesNotOverflow) {
    start(CaseMode::Xyz);
    create("-2147483648", {"1", "1"});
    doc.lastPointNumber = std::numeric_limits<std::int32_t>::min();
    ASSERT_TRUE(deletePoint(doc, undo, "-2147483648").changed);
    EXPECT_EQ(doc.lastPointNumber, std::numeric_limits<std::int32_t>::min());
}

TEST_F(Entry, RenumberingRewritesPolylineListsAndIsUndoneWithTheLastChange) {
    start(CaseMode::Xyz);
    for (const char* n : {"10", "20", "30"}) create(n, {"1", "1"});
    PolylineRecord pl;
    pl.name = "Road";
    pl.pointsText = "10,20-30, 99 ,020";
    doc.polylines.push_back(pl);
    const auto saved = undo.changes();
    ASSERT_TRUE(renumberPoints(doc, undo, 1).changed);
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(doc.lastPointNumber, 3);
    EXPECT_EQ(doc.polylines[0].pointsText.view(), "1,2-3, 99 ,2");
    EXPECT_GT(undo.changes(), saved);
    undo.undo(doc); // back to before the last bracketed change: point 30 not yet created
    EXPECT_EQ(numbers(), (std::vector<int>{10, 20}));
    EXPECT_EQ(doc.polylines.size(), 0u);
}

TEST_F(Entry, RenumberingThatWouldOverflowAPointsTextChangesNothing) {
    start(CaseMode::Xyz);
    std::string text;
    for (int n = 1; n <= 9; ++n) {
        create(std::to_string(n), {"1", "1"});
        text += std::to_string(n) + ",";
    }
    while (text.size() < 250) text += "1,";
    PolylineRecord pl;
    pl.name = "Long";
    pl.pointsText = text;
    doc.polylines.push_back(pl);
    const Outcome out = renumberPoints(doc, undo, 1000000);
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(doc.points[0].number, 1);
    EXPECT_EQ(doc.polylines[0].pointsText.view(), text);
}

TEST_F(Entry, RenumberingKeepsATextOfExactly255AndRefusesOneOf256) {
    for (std::size_t renumbered : {255u, 256u}) {
        start(CaseMode::Xyz);
        create("1", {"1", "1"});
        create("2", {"2", "2"});
        // From 9, point 1 becomes 9 (same length) and point 2 becomes 10 (one more character).
        std::string text = "2";
        while (text.size() + 2 <= renumbered - 1) text.insert(0, "1,");
        while (text.size() < renumbered - 1) text.insert(0, " ");
        PolylineRecord pl;
        pl.name = "Long";
        pl.pointsText = text;
        doc.polylines.push_back(pl);
        const Outcome out = renumberPoints(doc, undo, 9);
        if (renumbered == 256) {
            EXPECT_TRUE(out.failed());
            EXPECT_EQ(doc.points[0].number, 1);
            EXPECT_EQ(doc.polylines[0].pointsText.view(), text);
        } else {
            EXPECT_TRUE(out.changed) << out.error;
            EXPECT_EQ(doc.polylines[0].pointsText.size(), 255u);
            EXPECT_TRUE(doc.polylines[0].pointsText.view().ends_with("9,10"));
        }
    }
}

TEST_F(Entry, RenumberingWithRepeatedNumbersFollowsTheFirstRow) {
    start(CaseMode::Xyz);
    create("4", {"1", "1"});
    create("7", {"2", "2"});
    doc.points.edit(1).number = 4; // a file may hold a number twice
    PolylineRecord pl;
    pl.name = "Road";
    pl.pointsText = "4,7";
    doc.polylines.push_back(pl);
    ASSERT_TRUE(renumberPoints(doc, undo, 1).changed);
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(doc.polylines[0].pointsText.view(), "1,7"); // 4 is the first row's; 7 names no point
}

TEST(RenumberStart, NegativeOrUnreadableStartsAtZero) {
    EXPECT_EQ(renumberStart("-5"), 0);
    EXPECT_EQ(renumberStart("abc"), 0);
    EXPECT_EQ(renumberStart(" 12 "), 12);
    EXPECT_EQ(renumberStart("0"), 0);
}

} // namespace
} // namespace zorvane
