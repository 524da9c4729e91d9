// How reals are written: the general format with at most 15 significant digits.
#include "DrawingFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

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
