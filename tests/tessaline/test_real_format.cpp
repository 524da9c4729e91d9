// How reals are written: the general format with at most 15 significant digits.
#include "DrawingFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace tessaline_test;
using zorvane::testing::TempDir;

namespace {

// What a DXF reader expects from printf's %.15g: "E", no "+", no leading exponent zeros,
// and no negative zero.
std::string expectedFromPrintf(const char* printed) {
    std::string text = printed;
    if (text == "-0") return "0";
    std::size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::string exponent = text.substr(e + 1);
    bool negative = exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    return text.substr(0, e) + (negative ? "E-" : "E") + exponent;
}

std::string expected(double v) {
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15g", v);
    return expectedFromPrintf(printed);
}

std::string expected(long double v) {
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15Lg", v);
    return expectedFromPrintf(printed);
}

// Writes each value as a POINT's x and reads the text back.
std::vector<std::string> written(const std::vector<double>& values) {
    TempDir dir;
    const std::string entities = writeEntities(dir / "reals.dxf", [&] {
        for (double v : values) ASSERT_EQ(TESSALINE_OK, DrawDXFPoint("R", v, 0, 0, 1)) << v;
    });
    return valuesOf(entities, " 10");
}

TEST(RealFormat, HardValues) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {2.0, "2"},
        {0.5, "0.5"},
        {12.5, "12.5"},
        {-0.25, "-0.25"},
        {1e-4, "0.0001"},
        {-1e-4, "-0.0001"},
        {0.000123, "0.000123"},
        {9.99999e-5, "9.99999E-5"},
        {1e-5, "1E-5"},
        {-1.5e-7, "-1.5E-7"},
        {1.25e-100, "1.25E-100"},
        {1e14, "100000000000000"},
        {99999999999999.99, "100000000000000"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E15"}, // rounds up out of the fixed range
        {1e15, "1E15"},
        {-1e15, "-1E15"},
        {2.5e20, "2.5E20"},
        {123456789012345678.0, "1.23456789012346E17"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {-123456.789, "-123456.789"},
        {0.000099999999999999995, "0.0001"},
        {123456789012345.5, "123456789012346"}, // exact ties go to the even digit
        {123456789012344.5, "123456789012344"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::min(), "2.2250738585072E-308"},
        {1e-310, "9.99999999999997E-311"}, // subnormal: fewer bits than digits
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
    };
    std::vector<double> values;
    for (const Case& c : cases) values.push_back(c.value);
    const std::vector<std::string> texts = written(values);
    ASSERT_EQ(values.size(), texts.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(cases[i].text, texts[i]) << "case " << i;
}

TEST(RealFormat, AgreesWithPrintfOverWideRanges) {
    std::mt19937_64 random(20240607);
    std::vector<double> values;
    for (int i = 0; i < 40000; ++i) {
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
        // Survey-like values: a few decimals, any scale, both signs.
        double survey = double(std::int64_t(random() % 2000000001) - 1000000000) /
                        std::pow(10.0, double(random() % 12));
        values.push_back(survey);
        values.push_back(std::ldexp(double(random() >> 11), int(random() % 140) - 120));
        values.push_back(-std::ldexp(double(random() >> 11), int(random() % 140) - 120));
    }
    const std::vector<std::string> texts = written(values);
    ASSERT_EQ(values.size(), texts.size());
    int mismatches = 0;
    for (std::size_t i = 0; i < values.size() && mismatches < 10; ++i)
        if (texts[i] != expected(values[i])) {
            ++mismatches;
            ADD_FAILURE() << std::hexfloat << values[i] << " written " << texts[i] << ", expected "
                          << expected(values[i]);
        }
}

TEST(RealFormat, TextFirstPointAgreesWithPrintfInExtendedPrecision) {
    std::mt19937_64 random(7);
    std::vector<std::pair<double, double>> yh;
    for (int i = 0; i < 20000; ++i)
        yh.emplace_back(double(std::int64_t(random() % 2000001) - 1000000) / 7.0,
                        double(random() % 100000) / 3.0);
    TempDir dir;
    const std::string entities = writeEntities(dir / "texts.dxf", [&] {
        for (std::size_t i = 0; i < yh.size(); ++i)
            ASSERT_EQ(TESSALINE_OK,
                      DrawDXFText("T", 0, yh[i].first, 0, 1, "t", yh[i].second, 0, i % 2 ? 1 : 3));
    });
    const std::vector<std::string> first = valuesOf(entities, " 20");
    ASSERT_EQ(yh.size(), first.size());
    for (std::size_t i = 0; i < yh.size(); ++i) {
        long double y = yh[i].first;
        long double shift =
            i % 2 ? 0.3333333L * yh[i].second : -static_cast<long double>(yh[i].second);
        ASSERT_EQ(expected(y + shift), first[i]) << "case " << i;
    }
}

} // namespace

namespace {

// Short decimals as a user types them, at every scale: "d.ddd" with 1 to 15 digits, times
// a power of ten.
double shortDecimal(std::mt19937_64& random, int decade) {
    const int digits = 1 + int(random() % 15);
    std::string text = std::to_string(1 + random() % 9);
    for (int i = 1; i < digits; ++i) text += char('0' + random() % 10);
    text += "e" + std::to_string(decade - digits + 1);
    return std::strtod(text.c_str(), nullptr);
}

} // namespace

// Every binary exponent from the subnormals to the largest, short decimals and neighbours of
// the powers of ten in every decade, exact ties, both signs; each value is written again
// later, as drawings do, so that remembered texts are checked too.
TEST(RealFormat, EveryMagnitudeAgreesWithExactRounding) {
    std::mt19937_64 random(1234);
    std::vector<double> values;
    for (int biased = 0; biased < 2047; ++biased) {
        for (int k = 0; k < 6; ++k) {
            const std::uint64_t bits = (std::uint64_t(biased) << 52) | (random() >> 12);
            values.push_back(std::bit_cast<double>(bits));
        }
    }
    for (int decade = -323; decade <= 308; ++decade) {
        for (int k = 0; k < 6; ++k) {
            const double v = shortDecimal(random, decade);
            if (std::isfinite(v)) values.push_back(v); // 9.9e308 is beyond the doubles
        }
        const double power = std::strtod(("1e" + std::to_string(decade)).c_str(), nullptr);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, 1e308));
    }
    // Sixteen-digit integers ending in 5 are exact: the fifteenth digit rounds to even.
    for (std::int64_t n : {1234567890123455LL, 1234567890123465LL, 9999999999999995LL,
                           1000000000000005LL, 2251799813685245LL})
        values.push_back(double(n));
    const std::size_t distinct = values.size();
    for (std::size_t i = 0; i < distinct; ++i) values.push_back(-values[i]);
    for (std::size_t i = 0; i < 2 * distinct; i += 7) values.push_back(values[i]);

    const std::vector<std::string> texts = written(values);
    ASSERT_EQ(values.size(), texts.size());
    int mismatches = 0;
    for (std::size_t i = 0; i < values.size() && mismatches < 10; ++i)
        if (texts[i] != expected(values[i])) {
            ++mismatches;
            ADD_FAILURE() << std::hexfloat << values[i] << " written " << texts[i] << ", expected "
                          << expected(values[i]);
        }
}

// The first point of a text is the only real the library sums in extended precision.
TEST(RealFormat, ExtendedSumsAgreeWithExactRoundingAtEveryMagnitude) {
    std::mt19937_64 random(99);
    std::vector<std::pair<double, double>> yh;
    for (int exponent = -1074; exponent <= 1000; exponent += 3) {
        const double y = std::ldexp(double(random() >> 11), exponent - 53);
        const double h = std::ldexp(double(random() >> 11), int(random() % 80) - 100);
        yh.emplace_back(random() % 2 ? y : -y, h);
        yh.emplace_back(y, 0.0);
    }
    TempDir dir;
    const std::string entities = writeEntities(dir / "sums.dxf", [&] {
        for (std::size_t i = 0; i < yh.size(); ++i)
            ASSERT_EQ(TESSALINE_OK,
                      DrawDXFText("T", 0, yh[i].first, 0, 1, "t", yh[i].second, 0, i % 3 ? 1 : 3));
    });
    const std::vector<std::string> first = valuesOf(entities, " 20");
    ASSERT_EQ(yh.size(), first.size());
    for (std::size_t i = 0; i < yh.size(); ++i) {
        const long double shift =
            i % 3 ? 0.3333333L * yh[i].second : -static_cast<long double>(yh[i].second);
        ASSERT_EQ(expected(static_cast<long double>(yh[i].first) + shift), first[i])
            << std::hexfloat << yh[i].first << " " << yh[i].second;
    }
}
