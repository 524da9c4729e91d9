#include "case/ApplyImport.h"
#include "case/CaseOperations.h"
#include "files/CoordinateImport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <random>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

struct Expected {
    std::int32_t number;
    std::array<double, 5> values;
    std::string descriptor;
    std::string code;
};

struct ImportCase {
    const char* name;
    CaseMode kind;
    std::function<void(ImportOptions&)> setUp;
    std::string_view file;
    std::vector<Expected> points;
    std::vector<std::string> errors;
    char decimalSeparator = '.';
};

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ImportedCase importText(std::string_view text, CaseMode kind, const ImportOptions& options,
                        char decimalSeparator = '.', ProgramOptions program = {}) {
    testing::TempDir dir;
    writeFile(dir / "points.txt", text);
    auto result =
        importCoordinateFile(dir / "points.txt", kind, options, program, decimalSeparator);
    EXPECT_TRUE(result.has_value());
    return result ? std::move(*result) : ImportedCase{};
}

void expectPoints(const ImportedCase& got, const std::vector<Expected>& want, const char* name) {
    ASSERT_EQ(got.points.size(), want.size()) << name;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const PointRecord& p = got.points[i];
        const Expected& e = want[i];
        EXPECT_EQ(p.number, e.number) << name << " point " << i;
        const std::array<double, 5> values = {p.m1, p.m2, p.m3, p.m4, p.m5};
        EXPECT_EQ(values, e.values) << name << " point " << i;
        EXPECT_EQ(p.descriptor.view(), e.descriptor) << name << " point " << i;
        EXPECT_EQ(p.code.view(), e.code) << name << " point " << i;
        EXPECT_EQ(p.markColour, 0u);
    }
}

TEST(CoordinateImport, LinesBecomePointsOrListedErrors) {
    const auto none = [](ImportOptions&) {};
    const ImportCase cases[] = {
        {"blanks around fields",
         CaseMode::Xyz,
         none,
         "12, 1.5 , 2.5,0.0 ,  TREE\r\n",
         {{12, {1.5, 2.5, 0, 0, 0}, "TREE", ""}},
         {}},
        {"two separators count as one",
         CaseMode::Xyz,
         none,
         "12,,1.5,2.5,0.0,TREE\n",
         {{12, {1.5, 2.5, 0, 0, 0}, "TREE", ""}},
         {}},
        {"a missing value shifts the fields left",
         CaseMode::Xyz,
         none,
         "12,1.5,,0.0,TREE\n",
         {},
         {"1. 12,1.5,,0.0,TREE"}},
        {"code beyond the fields",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.fields[5].column = 6; },
         "1,2,3,4,Pole\n1,2,3,4,Pole,C\n",
         {{1, {2, 3, 4, 0, 0}, "Pole", "C"}},
         {"1. 1,2,3,4,Pole"}},
        {"prefix cut to ten characters",
         CaseMode::Nesw,
         [](ImportOptions& o) { o.nesw.fields[1].prefix = "N="sv; },
         "7,N=12345678901234,0,0,0,0,x\n",
         {{7, {1234567890, 0, 0, 0, 0}, "x", ""}},
         {}},
        {"prefix dropped by its length, not by where it sits",
         CaseMode::Xyz,
         [](ImportOptions& o) {
             o.xyz.fields[1].prefix = " X "sv; // trimmed before use
             o.xyz.fields[4].prefix = "D:"sv;
         },
         "1,X4.5,2,3,D:Kerb\n2,4.5,2,3,D:Kerb\n3,aX4,2,3,D:a\n",
         {{1, {4.5, 2, 3, 0, 0}, "Kerb", ""}},
         {"2. 2,4.5,2,3,D:Kerb", "3. 3,aX4,2,3,D:a"}},
        {"@ empties a text, * rejects the line",
         CaseMode::Polar,
         [](ImportOptions& o) { o.polar.fields[5].column = 6; },
         "1,90,10,2,@,@\n2,90,10,2,*,C\n3,90,10,2,T,*\n",
         {{1, {90, 10, 2, 0, 0}, "", ""}},
         {"2. 2,90,10,2,*,C", "3. 3,90,10,2,T,*"}},
        {"Number column 0 numbers from 1",
         CaseMode::Xyz,
         [](ImportOptions& o) {
             o.xyz.fields[0].column = 0;
             o.xyz.renumberFrom = 50;
             for (std::size_t i = 1; i < 5; ++i) o.xyz.fields[i].column -= 1;
         },
         "1,2,3,a\nx,2,3,b\n4,5,6,c\n",
         {{1, {1, 2, 3, 0, 0}, "a", ""}, {2, {4, 5, 6, 0, 0}, "c", ""}},
         {"2. x,2,3,b"}},
        {"renumbering from 100 skips rejected lines",
         CaseMode::Xyz,
         [](ImportOptions& o) {
             o.xyz.renumber = true;
             o.xyz.renumberFrom = 100;
         },
         "9,1,1,1,a\n8,2,2,2,b\n7,bad,3,3,c\n6,4,4,4,d\n5,5,5,5,e\n",
         {{100, {1, 1, 1, 0, 0}, "a", ""},
          {101, {2, 2, 2, 0, 0}, "b", ""},
          {102, {4, 4, 4, 0, 0}, "d", ""},
          {103, {5, 5, 5, 0, 0}, "e", ""}},
         {"3. 7,bad,3,3,c"}},
        {"blank lines count, lone CR and CR LF end lines",
         CaseMode::Xyz,
         none,
         "\n  \t\r\n1,1,1,1,a\rno\r\n\n2,2,2,2,b",
         {{1, {1, 1, 1, 0, 0}, "a", ""}, {2, {2, 2, 2, 0, 0}, "b", ""}},
         {"4. no"}},
        {"unmapped value and bad numbers",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.fields[3].column = 0; },
         "1,2,3,4,a\n",
         {},
         {"1. 1,2,3,4,a"}},
        {"numbers: integer point numbers, decimal values",
         CaseMode::Xyz,
         none,
         "1.5,1,1,1,a\n2,1e2,-.5,+3,b\n3,inf,1,1,c\n4,1,1,1e999,d\n99999999999,1,1,1,e\n"
         "6,+-1,1,1,f\n7,1,--1,1,g\n8,0x1,1,1,h\n",
         {{2, {100, -0.5, 3, 0, 0}, "b", ""}},
         {"1. 1.5,1,1,1,a", "3. 3,inf,1,1,c", "4. 4,1,1,1e999,d", "5. 99999999999,1,1,1,e",
          "6. 6,+-1,1,1,f", "7. 7,1,--1,1,g", "8. 8,0x1,1,1,h"}},
        {"a repeated number is an error",
         CaseMode::Xyz,
         none,
         "5,1,1,1,a\n3,1,1,1,b\n5,2,2,2,c\n",
         {{5, {1, 1, 1, 0, 0}, "a", ""}, {3, {1, 1, 1, 0, 0}, "b", ""}},
         {"3. 5,2,2,2,c"}},
        {"negative column",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.fields[4].column = -1; },
         "1,1,1,1,a\n",
         {},
         {"1. 1,1,1,1,a"}},
        {"NESW values in their fields",
         CaseMode::Nesw,
         [](ImportOptions& o) { o.nesw.fields[7].column = 8; },
         "3;1;2;3;4;5;Car;K\n",
         {},
         {"1. 3;1;2;3;4;5;Car;K"}},
        {"space separator",
         CaseMode::Nesw,
         [](ImportOptions& o) {
             o.nesw.fields[7].column = 8;
             o.nesw.separator = " "sv;
         },
         "3   1 2 3 4 5 Car\tX K \n",
         {{3, {1, 2, 3, 4, 5}, "Car\tX", "K"}},
         {}},
        {"empty separator makes one field",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.separator = ""sv; },
         "1,2,3,4,a\n",
         {},
         {"1. 1,2,3,4,a"}},
        {"texts cut to their capacity",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.fields[5].column = 6; },
         "1,0,0,0,12345678901234567890123456789012345678901234567890XYZ,CODE567890XYZ\n",
         {{1, {0, 0, 0, 0, 0}, "12345678901234567890123456789012345678901234567890", "CODE567890"}},
         {}},
        {"locale decimal comma with its own field separator",
         CaseMode::Xyz,
         [](ImportOptions& o) { o.xyz.separator = ";"sv; },
         "1;2,5;-0,25;3;a\n2;2.5;1;1;b\n",
         {{1, {2.5, -0.25, 3, 0, 0}, "a", ""}},
         {"2. 2;2.5;1;1;b"},
         ','},
        {"decimal comma that is also the field separator reads periods",
         CaseMode::Xyz,
         none,
         "1,2.5,-0.25,3,a\n",
         {{1, {2.5, -0.25, 3, 0, 0}, "a", ""}},
         {},
         ','},
    };
    for (const auto& c : cases) {
        ImportOptions options;
        c.setUp(options);
        const ImportedCase got = importText(c.file, c.kind, options, c.decimalSeparator);
        EXPECT_EQ(got.mode, c.kind) << c.name;
        expectPoints(got, c.points, c.name);
        EXPECT_EQ(got.errors, c.errors) << c.name;
        EXPECT_EQ(got.rejectedLines, c.errors.size()) << c.name;
    }
}

// Values are read exactly as the standard library reads them, however they are written.
TEST(CoordinateImport, ValuesAreTheNearestDoubles) {
    std::mt19937_64 rng(3);
    std::string file;
    std::vector<double> want;
    char buf[64];
    for (int i = 0; i < 20'000; ++i) {
        const int digits = 1 + static_cast<int>(rng() % 18);
        std::string text = i % 2 ? "-" : "";
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + rng() % 10);
        if (i % 3) text.insert(text.size() - static_cast<std::size_t>(rng() % digits), ".");
        if (i % 7 == 0) text += "e" + std::to_string(static_cast<int>(rng() % 40) - 20);
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        want.push_back(v);
        const int n = std::snprintf(buf, sizeof buf, "%d,%s,0,0,a\n", i + 1, text.c_str());
        file.append(buf, static_cast<std::size_t>(n));
    }
    const ImportedCase got = importText(file, CaseMode::Xyz, {});
    ASSERT_EQ(got.points.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) ASSERT_EQ(got.points[i].m1, want[i]) << i;
}

TEST(CoordinateImport, TextsAreReadAsUtf8WhenValidElseAsWindows1252) {
    const struct {
        std::string_view file;
        std::string_view descriptor;
    } cases[] = {
        {"1,0,0,0,B\xC3\xA4um \xE2\x82\xAC\n", "B\xE4um \x80"}, // UTF-8
        {"\xEF\xBB\xBF"
         "1,0,0,0,Stra\xC3\x9F"
         "e\n",
         "Stra\xDF"
         "e"},                            // with a byte order mark
        {"1,0,0,0,B\xE4um\n", "B\xE4um"}, // Windows-1252
        {"1,0,0,0,\xE6\x97\xA5\n", "?"},  // no such character
        {"1,0,0,0,a\0b\n"sv, "a\0b"sv},   // NUL is a character
        // Not UTF-8: an overlong form, a surrogate, beyond U+10FFFF, a cut sequence.
        {"1,0,0,0,\xC0\xAF\n", "\xC0\xAF"},
        {"1,0,0,0,\xED\xA0\x80\n", "\xED\xA0\x80"},
        {"1,0,0,0,\xF4\x90\x80\x80\n", "\xF4\x90\x80\x80"},
        {"1,0,0,0,\xC3\xA4\xE2\x82", "\xC3\xA4\xE2\x82"},
    };
    for (const auto& c : cases) {
        const ImportedCase got = importText(c.file, CaseMode::Xyz, {});
        ASSERT_EQ(got.points.size(), 1u) << c.file;
        EXPECT_EQ(got.points[0].descriptor.view(), c.descriptor);
    }
    // A rejected UTF-8 line is listed in Windows-1252 like everything else.
    EXPECT_EQ(importText("\xC3\xA4\n", CaseMode::Xyz, {}).errors,
              std::vector<std::string>{"1. \xE4"});
}

TEST(CoordinateImport, LastPointNumberAndDescriptionListOfTheNewCase) {
    ProgramOptions program;
    program.firstPointNumber = 50;
    const ImportedCase low = importText("3,0,0,0,Tree\n7,0,0,0,tree\n8,0,0,0,@\n9,0,0,0,TREE\n",
                                        CaseMode::Xyz, {}, '.', program);
    EXPECT_EQ(low.lastPointNumber, 49);
    EXPECT_EQ(low.descriptors, (std::vector<std::string>{"Tree", ""}));

    const ImportedCase high =
        importText("3,0,0,0,@\n70,0,0,0,Pole\n5,0,0,0,\n", CaseMode::Xyz, {}, '.', program);
    EXPECT_EQ(high.lastPointNumber, 70);
    EXPECT_EQ(high.descriptors, (std::vector<std::string>{"", "Pole"}));
    EXPECT_EQ(high.errors, std::vector<std::string>{"3. 5,0,0,0,"}); // the empty field vanished

    program.firstPointNumber = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(importText("", CaseMode::Xyz, {}, '.', program).lastPointNumber,
              std::numeric_limits<std::int32_t>::min());

    // Renumbering stops at the largest point number rather than wrapping round.
    ImportOptions options;
    options.xyz.renumber = true;
    options.xyz.renumberFrom = std::numeric_limits<std::int32_t>::max();
    const ImportedCase wrap = importText("1,0,0,0,a\n2,0,0,0,b\n", CaseMode::Xyz, options);
    ASSERT_EQ(wrap.points.size(), 1u);
    EXPECT_EQ(wrap.points[0].number, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(wrap.errors, std::vector<std::string>{"2. 2,0,0,0,b"});
}

TEST(CoordinateImport, AppliedCaseShowsFixedNumbersInEveryUnitUntilRebuilt) {
    ProgramOptions program;
    program.defaultUnit = kFeetInches;
    program.defaultDecimals = 2;
    ImportOptions options;
    options.polar.fields[5].column = 6;
    ImportedCase imported = *importCoordinateText("4,45,1.5,0.25,Tree,T1\n9,90,2,0,Kerb,@\n",
                                                  CaseMode::Polar, options, program, '.');
    CaseState doc;
    doc.points.push_back({}); // the previous case goes entirely
    doc.polylines.push_back({});
    doc.caseName = "old";
    applyImportedCase(doc, std::move(imported), program, "01/02/2025");

    EXPECT_TRUE(doc.started);
    EXPECT_EQ(doc.mode, CaseMode::Polar);
    EXPECT_EQ(doc.units, (UnitSettings{kFeetInches, 2}));
    EXPECT_EQ(doc.points.size(), 2u);
    EXPECT_TRUE(doc.polylines.empty() && doc.caseName.empty());
    EXPECT_EQ(doc.incident.date.view(), "01/02/2025");
    EXPECT_EQ(doc.lastPointNumber, 9);
    EXPECT_EQ(doc.descriptors, (std::vector<std::string>{"Tree", "Kerb"}));
    EXPECT_EQ(doc.grid.selectedRow, 3);
    ASSERT_EQ(doc.screen.size(), 2u);
    EXPECT_NEAR(doc.screen[1].x, 2, 1e-12); // bearing 90: east of the origin, y flipped
    EXPECT_NEAR(doc.screen[1].y, 0, 1e-12);

    const std::vector<std::string> row1 = {"4", "45.00", "1.50", "0.25", "Tree", "T1"};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, col), row1[col]);
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 2, 5), "");
    refreshGrid(doc); // a later rebuild shows feet and inches
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 2), "1' 6\"");
    EXPECT_EQ(doc.grid.cell(doc.points, doc.mode, 1, 1), "45.00");

    // An empty import into the lowest first number keeps that number as the last one.
    program.firstPointNumber = std::numeric_limits<std::int32_t>::min();
    applyImportedCase(doc, *importCoordinateText("", CaseMode::Xyz, {}, program, '.'), program, "");
    EXPECT_EQ(doc.lastPointNumber, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(doc.grid.selectedRow, 1);
}

TEST(CoordinateImport, HostileFilesCostNoMoreThanTheyHold) {
    ImportOptions options;
    options.xyz.fields[5].column = std::numeric_limits<std::int32_t>::max();
    std::string separators(10'000'000, ',');
    const ImportedCase commas = importText(separators, CaseMode::Xyz, options);
    EXPECT_EQ(commas.errors,
              std::vector<std::string>{"1. " + separators.substr(0, kMaxErrorLineLength) + "..."});

    std::string fields;
    for (int i = 0; i < 1'000'000; ++i) fields += "1,";
    EXPECT_EQ(importText(fields, CaseMode::Xyz, {}).points.size(), 1u);

    std::string nuls(1'000'000, '\0');
    EXPECT_EQ(importText(nuls, CaseMode::Xyz, {}).rejectedLines, 0u); // one blank line

    std::string bad;
    for (std::size_t i = 0; i < kMaxListedImportErrors + 5; ++i) bad += "x\n";
    const ImportedCase many = importText(bad, CaseMode::Xyz, {});
    EXPECT_EQ(many.rejectedLines, kMaxListedImportErrors + 5);
    ASSERT_EQ(many.errors.size(), kMaxListedImportErrors + 1);
    EXPECT_EQ(many.errors.back(), "(5 more lines with errors are not listed)");
    EXPECT_EQ(many.errors[kMaxListedImportErrors - 1],
              std::to_string(kMaxListedImportErrors) + ". x");
}

TEST(CoordinateImport, ProgressRisesToTheEndAndCanCancel) {
    testing::TempDir dir;
    std::string text;
    for (int i = 1; i <= 200'000; ++i) text += std::to_string(i) + ",1.25,2.5,3.75,Tree\n";
    writeFile(dir / "big.zvx", text);

    std::vector<double> seen;
    const auto record = [&](double f) {
        seen.push_back(f);
        return true;
    };
    const auto done = importCoordinateFile(dir / "big.zvx", CaseMode::Xyz, {}, {}, '.', record);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->points.size(), 200'000u);
    ASSERT_GT(seen.size(), 10u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GE(seen.front(), 0.0);
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);

    int calls = 0;
    const auto cancel = [&](double f) { return ++calls < 5 || f < 0; };
    EXPECT_FALSE(importCoordinateFile(dir / "big.zvx", CaseMode::Xyz, {}, {}, '.', cancel));
    EXPECT_EQ(calls, 5); // not asked again once it said stop
}

TEST(CoordinateImport, AFileTooLargeIsRefusedBeforeItIsRead) {
    testing::TempDir dir;
    const fs::path huge = dir / "huge.zvx";
    writeFile(huge, "1,2,3,4,Tree\n");
    fs::resize_file(huge, kMaxCoordinateFileSize + 1); // sparse: costs no disk
    int asked = 0;
    const auto count = [&](double) { return ++asked > 0; };
    try {
        (void)importCoordinateFile(huge, CaseMode::Xyz, {}, {}, '.', count);
        ADD_FAILURE();
    } catch (const CoordinateFileError& e) {
        EXPECT_NE(std::string(e.what()).find("is too large to import (more than 1024 MB)"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(asked, 0); // not a byte read
}

TEST(CoordinateImport, FilesThatCannotBeReadAreRefusedWithTheReason) {
    testing::TempDir dir;
    fs::create_directory(dir / "folder.zvx");
    const struct {
        fs::path path;
        const char* reason;
    } cases[] = {
        {dir / "missing.zvx", "No such file or directory"},
        {dir / "folder.zvx", "it is a folder"},
        {"/dev/zero", "it is not a regular file"},
    };
    for (const auto& c : cases) {
        try {
            (void)importCoordinateFile(c.path, CaseMode::Xyz, {}, {}, '.');
            ADD_FAILURE() << c.path;
        } catch (const CoordinateFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.path.string()), std::string::npos);
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zorvane
