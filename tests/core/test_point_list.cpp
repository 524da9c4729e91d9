#include "model/PointList.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zorvane {
namespace {

TEST(PointList, ExpandsPartsAndRanges) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"1,2,5-9", {"1", "2", "5", "6", "7", "8", "9"}},
        {"3 , 4 ,", {"3", "4"}},
        {"4-2,1", {"2", "3", "4", "1"}},
        {"5-5", {"5"}},
        {"", {}},
        {" , ,,\t,", {}},
        {"1,1,2,1", {"1", "1", "2", "1"}}, // repeats kept
        {"7, abc ,3", {"7", "abc", "3"}},  // entries stay texts until used
        {"3- 5", {"3", "4", "5"}},         // leading blanks in a bound are fine
        {"2--1", {"-1", "0", "1", "2"}},
    };
    for (const auto& [text, entries] : cases) EXPECT_EQ(parsePointList(text), entries) << text;
}

TEST(PointList, NotIntegersNameTheOffendingText) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,4a-6", "4a"}, {"3 - 5", "3 "}, // only leading blanks are allowed
        {"-5", ""},       {"1-2-3", "2-3"}, {"1-99999999999", "99999999999"},
        {"x,1-y", "y"}, // bounds are read before any entry is used
        {"x,1-3,z", "x"},
    };
    for (const auto& [text, bad] : cases) {
        try {
            parsePointNumbers(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const InvalidIntegerError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(parsePointNumbers("4-2, +1,1"), (std::vector<std::int32_t>{2, 3, 4, 1, 1}));
    EXPECT_EQ(pointListEntryValue("-2147483648"), -2147483647 - 1);
    EXPECT_THROW(parsePointList("1,4a-6"), InvalidIntegerError);
    for (const char* bad : {"2147483648", "12a", "", "+", "1 2", "0x10"})
        EXPECT_THROW(pointListEntryValue(bad), InvalidIntegerError) << bad;
}

// Parts stay parts: the count of entries is known without expanding a range.
TEST(PointList, PartsKeepRangesWhole) {
    const auto parts = pointListParts(" 7 , 9-5,x,,1--3, 2147483647-2147483647");
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[0].entry, "7");
    EXPECT_EQ(parts[2].entry, "x");
    const std::tuple<std::size_t, std::int32_t, std::int32_t, std::uint64_t> ranges[] = {
        {1, 5, 9, 5}, {3, -3, 1, 5}, {4, 2147483647, 2147483647, 1}};
    for (const auto& [k, low, high, entries] : ranges) {
        EXPECT_TRUE(parts[k].range && parts[k].entry.empty()) << k;
        EXPECT_EQ(parts[k].low, low);
        EXPECT_EQ(parts[k].high, high);
        EXPECT_EQ(parts[k].entries(), entries);
    }
    EXPECT_EQ(parts[0].entries() + parts[2].entries(), 2u);
    std::int32_t v = 0;
    EXPECT_TRUE(readPointListEntry(" -12", v) && v == -12);
    EXPECT_FALSE(readPointListEntry("12 ", v));
}

TEST(PointList, HugeRangesAreRefusedBeforeAnythingIsBuilt) {
    for (const char* hostile : {"1-2000000000", "2147483647--2147483648", "1-600000,1-600000"}) {
        EXPECT_THROW(parsePointList(hostile), PointListTooLongError) << hostile;
        EXPECT_THROW(parsePointNumbers(hostile), PointListTooLongError) << hostile;
        EXPECT_THROW(pointListParts(hostile), PointListTooLongError) << hostile;
    }
    const std::string atLimit = "1-" + std::to_string(kMaxPointListEntries);
    EXPECT_EQ(parsePointNumbers(atLimit).size(), kMaxPointListEntries);
    EXPECT_THROW(parsePointNumbers(atLimit + ",7"), PointListTooLongError);
}

} // namespace
} // namespace zorvane
