#include "units/LengthFormatter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace zorvane {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FormatFixed, HalvesAwayFromZeroOnTheTypedDecimalAndNoNegativeZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        // clang-format off
        {2.5, 0, "3"}, {-2.5, 0, "-3"}, {9.5, 0, "10"}, {0.125, 2, "0.13"}, {99.995, 2, "100.00"},
        {2.675, 2, "2.68"}, {1.005, 2, "1.01"}, // stored a hair below the typed decimal
        {std::nextafter(1.005, 0.0), 2, "1.01"}, {0.1 + 0.2, 2, "0.30"}, // noise past 14 digits
        {0.00005, 4, "0.0001"}, {0.000049, 4, "0.0000"}, {12.46, 0, "12"}, {1234.5678, 1, "1234.6"},
        {123456789012345.67, 2, "123456789012350.00"}, {1e20, 0, "100000000000000000000"},
        {-0.004, 2, "0.00"}, {-0.0, 0, "0"}, {-0.4, 0, "0"}, {-1e-300, 4, "0.0000"},
        {-0.005, 2, "-0.01"}, {1.5, 6, "1.500000"}, {1.25, -3, "1"}, {kNaN, 2, "nan"},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(formatFixed(c.value, c.decimals, '.'), c.text) << c.value;
    EXPECT_EQ(formatFixed(3.14159, 2, ','), "3,14");
    EXPECT_EQ(formatFixed(DBL_MAX, 2, '.').size(), 309u + 3u);
}

TEST(FormatFeetInches, SixteenthsHalvesToEvenAndCarries) {
    const struct {
        double feet;
        const char* text;
    } cases[] = {
        // clang-format off
        {5.25, "5' 3\""}, {5.2917, "5' 3 1/2\""}, {0, "0' 0\""}, {-2.5, "-2' 6\""},
        {5.999, "6' 0\""}, {11.99 / 12, "1' 0\""}, {1.0 / 32, "0' 0 3/8\""},
        {1.0 / 36, "0' 0 5/16\""},
        // j/128 foot is exact and lies on half a sixteenth
        {1.0 / 128, "0' 0 1/8\""}, {3.0 / 128, "0' 0 1/4\""}, {11.0 / 128, "0' 1\""},
        {21.0 / 128, "0' 2\""}, // 1 inch and 15.5 sixteenths: the next inch
        {-0.001, "0' 0\""}, {-(1.0 / 192), "-0' 0 1/16\""}, {1e20, "100000000000000000000' 0\""},
        {kNaN, "nan"},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(formatFeetInches(c.feet), c.text) << c.feet;
    EXPECT_EQ(formatFeetInches(-DBL_MAX).size(), 1u + 309u + 4u);
}

TEST(LengthField, ParseDecimalTakesWholeNumbersInTheLocale) {
    const struct {
        const char* text;
        char sep;
        std::optional<double> value;
    } cases[] = {
        // clang-format off
        {" 12.5\t", '.', 12.5}, {"12,5", ',', 12.5}, {"12,5", '.', {}}, {"12.5", ',', {}},
        {"-.5", '.', -0.5}, {"+3", '.', 3.0}, {"5.", '.', 5.0}, {"1E-2", '.', 0.01},
        {"1e", '.', {}},
        {"1e400", '.', {}}, {"", '.', {}}, {".", '.', {}}, {"12abc", '.', {}}, {"1 2", '.', {}},
        {"inf", '.', {}}, {"nan", '.', {}}, {"0x10", '.', {}},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(parseDecimal(c.text, c.sep), c.value) << c.text;
}

TEST(LengthField, LeavingAFieldNormalisesIt) {
    const UnitSettings m2{kMeter, 2}, ft{kFeetInches, 0}, m0{kMeter, 0};
    using K = FieldKind;
    const struct {
        const char* text;
        FieldKind kind;
        UnitSettings units;
        char sep;
        const char* shown;
    } cases[] = {
        // clang-format off
        {"1.234", K::Length, m2, '.', "1.23"}, {"1,5", K::Length, m2, ',', "1,50"},
        {"abc", K::Length, m2, '.', ""}, {"", K::Length, m2, '.', ""},
        {"", K::Length, ft, '.', ""}, {" ", K::Length, ft, '.', ""}, {"", K::Height, ft, '.', "0' 0\""},
        {"", K::Height, m2, '.', ""}, {"x", K::Height, m2, '.', ""}, {"x", K::Height, ft, '.', "0' 0\""},
        {"5 3 1/2", K::Length, ft, '.', "5' 3 1/2\""},
        {"45.4", K::Bearing, m0, '.', "45"}, {"45.4", K::Bearing, ft, '.', "45"},
        {"abc", K::Bearing, m2, '.', ""}, {"abc", K::NeswOffset, m2, '.', "0.00"},
        {"", K::NeswOffset, m2, ',', ""}, {"abc", K::NeswWest, m2, ',', "0,0"},
        {"", K::NeswWest, m2, '.', ""}, {"", K::NeswOffset, ft, '.', ""},
        {"x", K::NeswOffset, ft, '.', "0' 0\""}, {"12.6", K::Number, m2, '.', "13"},
        {"12,6", K::Number, ft, ',', "13"}, {"-2.5", K::Number, m2, '.', "-3"},
        {"letters", K::Number, m2, '.', "0"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseField(c.text, c.kind, c.units, c.sep), c.shown) << '"' << c.text << '"';
    EXPECT_EQ(formatLength(5.5, ft, '.'), "5' 6\"");
    EXPECT_EQ(formatLength(5.5, UnitSettings{kDecimalFeet, 3}, ','), "5,500");
}

} // namespace
} // namespace zorvane
