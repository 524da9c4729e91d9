#include "units/LengthFormatter.h"
#include "units/LengthParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numeric>
#include <string>

namespace zorvane {
namespace {

TEST(LengthParser, ReadsWhatATapeShows) {
    const struct {
        const char* text;
        double feet;
    } cases[] = {
        // clang-format off
        {"", 0}, {"5", 5}, {"5'", 5}, {"5'3", 5.25}, {"5' 3\"", 5.25}, {"5 3", 5.25}, {"3\"", 0.25},
        {"1/2", 1.0 / 24}, {"3 1/2\"", 3 + 0.5 / 12}, // the space rule wins over the inch mark
        {"12' 3 1/2\"", 12 + 3.5 / 12}, {"10' + 6\"", 10.5}, {"-2' 6", -2.5}, {"1,5", 1 + 5.0 / 12},
        {"31/2\"", 3.5 / 12}, {"103/4", 10.75 / 12}, {"15/16\"", 15.0 / 16 / 12},
        {"17/16\"", (1 + 7.0 / 16) / 12}, {"3/0", 0}, {"5.5", 5.5}, {"1e2", 100},
        {"8/8\"", 1.0 / 12}, {"16/16", 1.0 / 12}, {"2' 16/16\"", 2 + 1.0 / 12}, // a whole inch as a fraction
        // sums and differences, left to right
        {"12-3-1", 8}, {"10-2+3-1", 10}, {"5' 3 1/2\" + 2' 8 3/4\"", 8 + 0.25 / 12},
        {"5'3\" - 1'1\"", 4 + 2.0 / 12}, {"-1/2\"", -1.0 / 24}, {"-3 1/2\"", -(3 + 0.5 / 12)},
        // spaces and commas
        {"  5'   3    1/2\"  ", 5 + 3.5 / 12}, {"\t5'\n", 5}, {"5 '3", 5.25},
        {"1,5,1/2", 1 + 5.5 / 12}, {",5", 5.0 / 12}, {"1,5+2,5+3,5", 6 + 15.0 / 12},
        // stray characters end a number
        {"5x", 5}, {"x5", 0}, {"5' 3x\"", 5.25}, {"2.5.5", 2.5}, {"'", 0}, {"\"", 0}, {"/", 0},
        {",,,", 0}, {"+", 0}, {"-", 0}, {"1e", 1},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_NEAR(parseLength(c.text), c.feet, 1e-12) << '"' << c.text << '"';
}

// A sum of three or more is a + (b + c); the order decides the last bit, and with it which
// sixteenth a sum at a boundary shows.
TEST(LengthParser, SumsAddFromTheRightDifferencesFromTheLeft) {
    EXPECT_EQ(parseLength("0.1+0.2+0.3"), 0.1 + (0.2 + 0.3));
    EXPECT_NE(parseLength("0.1+0.2+0.3"), (0.1 + 0.2) + 0.3);
    EXPECT_EQ(parseLength("0.3+0.2+0.1+0.7"), 0.3 + (0.2 + (0.1 + 0.7)));
    EXPECT_EQ(parseLength("20-5-3"), 12);
}

TEST(LengthParser, BuildingBlocks) {
    EXPECT_DOUBLE_EQ(readNumber(" -.5e1x"), -5);
    EXPECT_DOUBLE_EQ(readNumber("1e400"), 0); // beyond a double: not a measured length
    EXPECT_EQ(readInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(readInt("-99999999999999999999"), INT_MIN);
    EXPECT_DOUBLE_EQ(parseFraction("1003/4"), 100.75 / 12); // zeros follow their digit
    EXPECT_DOUBLE_EQ(parseFraction("/-1"), 0);              // empty numerator, negative denominator
}

// What a user reads back after leaving a field must read again to the same text.
TEST(LengthParser, EverySixteenthUpToTwelveFeetSurvivesARoundTrip) {
    for (int sixteenths = 0; sixteenths <= 12 * 12 * 16; ++sixteenths) {
        const int feet = sixteenths / 192, inches = sixteenths / 16 % 12, s = sixteenths % 16;
        std::string text = std::to_string(feet) + "' " + std::to_string(inches);
        if (s > 0) {
            const int g = std::gcd(s, 16);
            text += ' ' + std::to_string(s / g) + '/' + std::to_string(16 / g);
        }
        text += '"';
        ASSERT_EQ(formatFeetInches(parseLength(text)), text);
        ASSERT_EQ(formatFeetInches(parseLength("-" + text)), sixteenths ? "-" + text : text);
    }
}

TEST(LengthParser, NastyTextsEndQuicklyWithAFiniteNumber) {
    std::string sum, difference;
    for (int i = 0; i < 50000; ++i) sum += "1,+", difference += "1-";
    EXPECT_DOUBLE_EQ(parseLength(sum), 50000);
    EXPECT_DOUBLE_EQ(parseLength(difference), 2 - 50000); // the last piece is empty

    const std::string nines(400, '9');
    const std::string cases[] = {std::string(200000, '+'),
                                 std::string(200000, '-'),
                                 std::string(200000, ','),
                                 std::string(100000, '\'') + std::string(100000, '"'),
                                 std::string(200000, '/'),
                                 nines,
                                 nines + "/" + nines,
                                 "1" + std::string(100000, '0') + "/7",
                                 std::string(100000, '9') + "/1",
                                 "1e308+1e308",
                                 "-1e308-1e308",
                                 "1e99999999999999999999"};
    for (const auto& text : cases)
        EXPECT_TRUE(std::isfinite(parseLength(text))) << text.substr(0, 40);
}

} // namespace
} // namespace zorvane
