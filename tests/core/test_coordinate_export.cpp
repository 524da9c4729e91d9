#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"
#include "units/LengthFormatter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string line(const PointRecord& p, CaseMode caseMode, CaseMode kind, ExportOptions o = {},
                 char decimalSeparator = '.') {
    std::string out;
    appendExportLine(out, p, caseMode, kind, o, 2, decimalSeparator);
    return out;
}

PointRecord xyz(std::int32_t n, double x, double y, double z, std::string_view d = "Tree",
                std::string_view c = "C1") {
    return {n, x, y, z, ShortString<10>(c), ShortString<50>(d), 0, 0, 0};
}

TEST(CoordinateExport, ConvertsEveryFormIntoEveryOther) {
    PointRecord polar90 = xyz(8, 90, 10, 2);
    PointRecord polar180 = xyz(8, 180, 5, 1);
    PointRecord south = {3, 0, 0, 4, ShortString<10>(""sv), ShortString<50>("Kerb"sv), 0, 0, 7};
    PointRecord ne = {3, 4, 3, 0, ShortString<10>(""sv), ShortString<50>("x"sv), 0, 0, 1};
    PointRecord neswBoth = {3, 3, 0, 9, ShortString<10>(""sv), ShortString<50>("x"sv), 0, 4, 1};
    const struct {
        PointRecord point;
        CaseMode from, to;
        const char* line;
    } cases[] = {
        {xyz(5, 3, 4, 1), CaseMode::Xyz, CaseMode::Polar, "5,36.87,5.00,1.00,Tree,C1\r\n"},
        {xyz(1, 0, 10, 0), CaseMode::Xyz, CaseMode::Polar, "1,0.00,10.00,0.00,Tree,C1\r\n"},
        {xyz(1, 0, -10, 0), CaseMode::Xyz, CaseMode::Polar, "1,180.00,10.00,0.00,Tree,C1\r\n"},
        {xyz(1, -10, 0, 0), CaseMode::Xyz, CaseMode::Polar, "1,270.00,10.00,0.00,Tree,C1\r\n"},
        {xyz(1, 0, 0, 0), CaseMode::Xyz, CaseMode::Polar, "1,90.00,0.00,0.00,Tree,C1\r\n"},
        {xyz(2, -2, 3, 1.5), CaseMode::Xyz, CaseMode::Nesw,
         "2,3.00,0.00,0.00,2.00,1.50,Tree,C1\r\n"},
        {xyz(2, 2, -3, 0), CaseMode::Xyz, CaseMode::Nesw, "2,0.00,2.00,3.00,0.00,0.00,Tree,C1\r\n"},
        {xyz(2, -2.125, 3, 1), CaseMode::Xyz, CaseMode::Xyz, "2,-2.13,3.00,1.00,Tree,C1\r\n"},
        {polar90, CaseMode::Polar, CaseMode::Xyz, "8,10.00,0.00,2.00,Tree,C1\r\n"},
        {polar180, CaseMode::Polar, CaseMode::Nesw, "8,0.00,0.00,5.00,0.00,1.00,Tree,C1\r\n"},
        {xyz(8, 400, 10, 2), CaseMode::Polar, CaseMode::Polar, "8,400.00,10.00,2.00,Tree,C1\r\n"},
        {south, CaseMode::Nesw, CaseMode::Xyz, "3,0.00,-4.00,7.00,Kerb,@\r\n"},
        {ne, CaseMode::Nesw, CaseMode::Polar, "3,36.87,5.00,1.00,x,@\r\n"},
        {neswBoth, CaseMode::Nesw, CaseMode::Nesw, "3,3.00,0.00,9.00,4.00,1.00,x,@\r\n"},
        {neswBoth, CaseMode::Nesw, CaseMode::Xyz, "3,-4.00,3.00,1.00,x,@\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(line(c.point, c.from, c.to), c.line)
            << static_cast<int>(c.from) << " -> " << static_cast<int>(c.to);
}

TEST(CoordinateExport, OptionsChooseTheColumns) {
    const auto opts = [](bool point, bool in3D, bool number, bool desc, bool code) {
        return ExportOptions{point, in3D, number, desc, code};
    };
    const PointRecord p = xyz(5, 3, 4, 1);
    const PointRecord bare = xyz(6, 1, 2, 3, "", "");
    const struct {
        PointRecord point;
        CaseMode to;
        ExportOptions options;
        const char* line;
    } cases[] = {
        {p, CaseMode::Xyz, opts(false, true, true, false, false), "5,\r\n"},
        {p, CaseMode::Xyz, opts(true, true, false, false, true), "3.00,4.00,1.00,C1\r\n"},
        {p, CaseMode::Xyz, opts(false, true, true, true, false), "5,Tree\r\n"},
        {p, CaseMode::Xyz, opts(false, true, false, true, true), "Tree,C1\r\n"},
        {p, CaseMode::Xyz, opts(false, true, false, false, true), "C1\r\n"},
        {p, CaseMode::Xyz, opts(false, false, false, false, false), "\r\n"},
        {p, CaseMode::Xyz, opts(true, false, true, true, true), "5,3.00,4.00,0.00,Tree,C1\r\n"},
        {p, CaseMode::Nesw, opts(true, false, false, false, false), "4.00,3.00,0.00,0.00,0.00\r\n"},
        {bare, CaseMode::Xyz, opts(true, true, true, true, true), "6,1.00,2.00,3.00,@,@\r\n"},
        {bare, CaseMode::Xyz, opts(false, true, true, true, false), "6,@\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(line(c.point, CaseMode::Xyz, c.to, c.options), c.line);

    // A decimal comma would split every value in two.
    EXPECT_EQ(line(p, CaseMode::Xyz, CaseMode::Xyz, {}, ','), "5,3.00,4.00,1.00,Tree,C1\r\n");
    EXPECT_EQ(line(p, CaseMode::Xyz, CaseMode::Xyz, {}, ';'), "5,3;00,4;00,1;00,Tree,C1\r\n");
}

TEST(CoordinateExport, WritesTheFileAsTheCaseHoldsItAndCountsSeparators) {
    testing::TempDir dir;
    const PointTable points = {xyz(1, 1, 2, 3, "Caf\xE9", "a,b"), xyz(2, 0, 0, 0, "x\r\ny"),
                               xyz(3, 0, 0, 0, "plain")};
    const auto result =
        exportCoordinates(dir / "out.zvx", points, CaseMode::Xyz, CaseMode::Xyz, {}, 1, '.');
    ASSERT_TRUE(result);
    EXPECT_EQ(result->pointsWritten, 3u);
    EXPECT_EQ(result->pointsWithSeparator, 2u);
    EXPECT_EQ(readAll(dir / "out.zvx"),
              "1,1.0,2.0,3.0,Caf\xE9,a,b\r\n2,0.0,0.0,0.0,x\r\ny,C1\r\n3,0.0,0.0,0.0,plain,C1\r\n");
    EXPECT_EQ(*separatorWarning(*result),
              "2 points have a comma or a line break in their description or code. The file has "
              "been written as the case holds them; please check it before another program "
              "reads it.");

    // Only the texts written count.
    ExportOptions noCode;
    noCode.exportCode = false;
    const auto fewer =
        exportCoordinates(dir / "out.zvx", points, CaseMode::Xyz, CaseMode::Xyz, noCode, 1, '.');
    EXPECT_EQ(fewer->pointsWithSeparator, 1u);
    EXPECT_NE(separatorWarning(*fewer)->find("1 point has a comma"), std::string::npos);

    const auto empty =
        exportCoordinates(dir / "none.zvx", {}, CaseMode::Xyz, CaseMode::Polar, {}, 2, '.');
    EXPECT_EQ(readAll(dir / "none.zvx"), "");
    EXPECT_FALSE(separatorWarning(*empty));
}

TEST(CoordinateExport, FailuresAndCancelLeaveThePreviousFile) {
    testing::TempDir dir;
    const fs::path target = dir / "keep.zvx";
    std::ofstream(target) << "previous";
    PointTable points;
    for (int i = 0; i < 50'000; ++i) points.push_back(xyz(1, 1, 2, 3));

    int calls = 0;
    const auto cancel = [&](double) { return ++calls < 3; };
    EXPECT_FALSE(
        exportCoordinates(target, points, CaseMode::Xyz, CaseMode::Xyz, {}, 2, '.', cancel));
    EXPECT_EQ(readAll(target), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    fs::create_directory(dir / "folder");
    const fs::path cannot[] = {dir / "missing" / "out.zvx", dir / "folder"};
    for (const auto& path : cannot) {
        try {
            (void)exportCoordinates(path, points, CaseMode::Xyz, CaseMode::Xyz, {}, 2, '.');
            ADD_FAILURE() << path;
        } catch (const CoordinateExportError& e) {
            EXPECT_EQ(e.what(), kExportFileInUseMessage);
        }
    }
    if (::geteuid() != 0) { // root writes anywhere
        fs::permissions(target, fs::perms::owner_read);
        EXPECT_THROW(
            (void)exportCoordinates(target, points, CaseMode::Xyz, CaseMode::Xyz, {}, 2, '.'),
            CoordinateExportError);
        EXPECT_EQ(readAll(target), "previous");
    }
}

// Export then import gives the same points, in every form, from every form.
TEST(CoordinateExport, ReadsBackThroughTheImport) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-500, 500);
    ImportOptions options;
    options.xyz.fields[5].column = 6;
    options.polar.fields[5].column = 6;
    options.nesw.fields[7].column = 8;
    const CaseMode modes[] = {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw};
    testing::TempDir dir;
    for (CaseMode from : modes) {
        PointTable points;
        for (int i = 0; i < 200; ++i) {
            PointRecord p = xyz(i * 3 + 1, coord(rng), coord(rng), coord(rng), i % 4 ? "Tree" : "",
                                i % 3 ? "" : "K\xE9");
            if (from == CaseMode::Polar) p.m1 = std::fabs(p.m1) / 1.4;
            if (from == CaseMode::Nesw) p.m4 = std::fabs(coord(rng)), p.m5 = coord(rng);
            points.push_back(p);
        }
        for (CaseMode to : modes) {
            const fs::path file = dir / "round.txt";
            ASSERT_TRUE(exportCoordinates(file, points, from, to, {}, 4, ','));
            const auto back = importCoordinateFile(file, to, options, {}, ',');
            ASSERT_TRUE(back);
            EXPECT_TRUE(back->errors.empty());
            ASSERT_EQ(back->points.size(), points.size());
            for (std::size_t i = 0; i < points.size(); ++i) {
                const PointRecord& a = points[i];
                const PointRecord& b = back->points[i];
                EXPECT_EQ(a.number, b.number);
                EXPECT_EQ(a.descriptor, b.descriptor);
                EXPECT_EQ(a.code, b.code);
                const ExportValues want = exportValues(a, from, to);
                const std::array<double, 5> got = {b.m1, b.m2, b.m3, b.m4, b.m5};
                for (std::size_t k = 0; k < want.count; ++k) EXPECT_NEAR(got[k], want.v[k], 0.5e-4);
                const WorldPos wa = worldPosition(a, from), wb = worldPosition(b, to);
                EXPECT_NEAR(wa.x, wb.x, 1e-3);
                EXPECT_NEAR(wa.y, wb.y, 1e-3);
            }
        }
    }
}

// appendFixed takes a quick way for ordinary values; it must give the very text of the exact
// way, which rounds the shortest decimal of the value at 14 significant digits and then at the
// decimals, halves away from zero. The reference below does that on decimal strings.
std::string referenceFixed(double value, int decimals) {
    char buf[64];
    *std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific).ptr =
        0;
    std::string digits;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int exponent = std::atoi(p + 1);
    const auto roundAt = [&](std::size_t keep) {
        if (keep >= digits.size()) return;
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (!up) return;
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    };
    roundAt(14);
    const int keep = exponent + 1 + decimals;
    if (keep < 0)
        digits.clear();
    else
        roundAt(static_cast<std::size_t>(keep));
    const auto digitAt = [&](int power) {
        const int i = exponent - power;
        return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)]
                                                             : '0';
    };
    std::string out;
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos) out += '-';
    for (int power = std::max(exponent, 0); power >= 0; --power) out += digitAt(power);
    if (decimals > 0) out += '.';
    for (int power = -1; power >= -decimals; --power) out += digitAt(power);
    return out;
}

TEST(CoordinateExport, QuickFixedFormattingMatchesTheExactRounding) {
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> wide(-2e9, 2e9), narrow(-100, 100);
    std::uniform_int_distribution<std::int64_t> ticks(-99'999'999'999, 99'999'999'999);
    for (int i = 0; i < 300'000; ++i) {
        const int decimals = i % 5;
        // Typed-looking decimals that sit exactly on a half, and noise around them.
        const double typed =
            static_cast<double>(ticks(rng) * 10 + 5) / std::pow(10.0, decimals + 1);
        const double values[] = {wide(rng),
                                 narrow(rng),
                                 typed,
                                 std::nextafter(typed, 0.0),
                                 std::nextafter(typed, 1e300),
                                 typed * 1e-3};
        for (double v : values) {
            std::string got;
            appendFixed(got, v, decimals, '.');
            ASSERT_EQ(got, referenceFixed(v, decimals)) << std::hexfloat << v << " " << decimals;
        }
    }
}

} // namespace
} // namespace zorvane
