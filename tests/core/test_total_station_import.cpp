// Total station files written by hand from the public GSI word table, and plain PNEZD / PENZD
// files, each imported and checked point by point.
#include "files/GsiBlock.h"
#include "files/GsiImport.h"
#include "files/ImportNumbering.h"
#include "files/TotalStationImport.h"
#include "model/UnitSettings.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace zorvane {
namespace {

struct Want {
    std::int32_t number;
    double m1, m2, m3;
    std::string descriptor = {};
    std::string code = {};
};

struct GsiCase {
    const char* name;
    std::string file;
    int unit; // the program's default unit
    CaseMode mode;
    std::vector<Want> points;
    std::vector<std::string> errors = {};
};

double deg(double d, double m = 0, double s = 0) {
    return d + m / 60 + s / 3600;
}
double sind(double d) {
    return std::sin(d * std::numbers::pi / 180);
}
double cosd(double d) {
    return std::cos(d * std::numbers::pi / 180);
}

ProgramOptions inUnit(int unit) {
    ProgramOptions o;
    o.defaultUnit = unit;
    return o;
}

void expectCase(const ImportedCase& got, CaseMode mode, const std::vector<Want>& want,
                const std::vector<std::string>& errors, const char* name) {
    EXPECT_EQ(got.mode, mode) << name;
    EXPECT_EQ(got.errors, errors) << name;
    ASSERT_EQ(got.points.size(), want.size()) << name;
    std::int32_t last = 0;
    for (std::size_t i = 0; i < want.size(); ++i) {
        const PointRecord& p = got.points[i];
        const Want& w = want[i];
        EXPECT_EQ(p.number, w.number) << name << " point " << i;
        // Within a few units of the last place of a double, and exactly where nothing is
        // computed (the tests below for exactness compare with ==).
        EXPECT_NEAR(p.m1, w.m1, 1e-9 * (1 + std::fabs(w.m1))) << name << " point " << i;
        EXPECT_NEAR(p.m2, w.m2, 1e-9 * (1 + std::fabs(w.m2))) << name << " point " << i;
        EXPECT_NEAR(p.m3, w.m3, 1e-9 * (1 + std::fabs(w.m3))) << name << " point " << i;
        EXPECT_EQ(p.m4, 0.0);
        EXPECT_EQ(p.m5, 0.0);
        EXPECT_EQ(p.descriptor.view(), w.descriptor) << name << " point " << i;
        EXPECT_EQ(p.code.view(), w.code) << name << " point " << i;
        last = std::max(last, p.number);
    }
    EXPECT_EQ(got.lastPointNumber, last) << name;
}

// A station over the origin with instrument and reflector heights 1.500 m.
const std::string kStation = "110001+0000STN1 84..10+00000000 85..10+00000000 86..10+00000000 "
                             "88..10+00001500 87..10+00001500\r\n";

TEST(GsiImport, FilesBecomeCasesPointByPoint) {
    const double hd85 = 20 * sind(85), dh85 = 20 * cosd(85);
    const GsiCase cases[] = {
        {"GSI-8 coordinates in metres",
         "110001+00000001 81..00+00001000 82..00+00002000 83..00+00000100 \r\n"
         "110002+00000002 81..00-00000500 82..00+00012345 83..00+00000000 \r\n",
         kMeter,
         CaseMode::Xyz,
         {{1, 1.0, 2.0, 0.1}, {2, -0.5, 12.345, 0}}},
        {"GSI-16 coordinates at 1/10 and 1/100 mm",
         "*110001+0000000000000007 81..06+0000001234567891 82..08+0000000000012345 "
         "83..00+0000000000000000 \n",
         kMeter,
         CaseMode::Xyz,
         {{7, 123456.7891, 0.12345, 0}}},
        {"feet and metres in one file, into Decimal Feet",
         "110001+00000001 81..01+00010000 82..07+00025000 83..00+00001000\n",
         kDecimalFeet,
         CaseMode::Xyz,
         {{1, 10.0, 2.5, 3.2808}}},
        {"metres into millimetres move the decimal point",
         "110001+00000001 81..00+00001234 82..08+00123456 83..06-00000001\n",
         kMillimeter,
         CaseMode::Xyz,
         {{1, 1234, 1234.56, -0.1}}},
        {"feet into Feet & Inches and Inches stay feet, or become inches",
         "110001+00000001 81..01+00001500 82..01+00000250 83..01+00000000\n",
         kInches,
         CaseMode::Xyz,
         {{1, 18, 3, 0}}},
        {"sexagesimal observations from one station",
         kStation + "110002+00000002 21.324+04500000 22.324+09000000 31..00+00010000\r\n"
                    "110003+00000003 21.324+12030150 22.324+08500000 31..00+00020000\r\n",
         kMeter,
         CaseMode::Polar,
         {{2, 45, 10, 0}, {3, deg(120, 30, 15), hd85, dh85}}},
        {"gon, decimal degrees and mil, horizontal distance and height difference",
         "110001+00000001 21.322+10000000 22.322+10000000 32..00+00005000 33..00+00000250\n"
         "110002+00000002 21.023+04550000 32..00+00001000\n"
         "110003+00000003 21...5+16000000 32..00+00002000 33..00-00000100\n"
         "110004+00000004 21.324+09000000 32..00-00001000\n",
         kMeter,
         CaseMode::Polar,
         {{1, 90, 5, 0.25}, {2, 45.5, 1, 0}, {3, 90, 2, -0.1}},
         {"4. 110004+00000004 21.324+09000000 32..00-00001000"}},
        {"a face-two reading is turned to face one",
         "110001+00000001 21.324+30000000 22.324+27000000 31..00+00010000\n",
         kMeter,
         CaseMode::Polar,
         {{1, 120, 10, 0}}},
        {"observations into feet",
         "110001+00000001 21.324+09000000 32..00+00010000 33..01+00001000\n",
         kFeetInches,
         CaseMode::Polar,
         {{1, 90, 32.808, 1}}},
        {"codes, information words and a code block for the next point",
         "410001+0000TREE 42....+00000BIG 43....+00000OAK\n"
         "110001+00000001 81..00+00001000 82..00+00001000\n"
         "110002+00000002 81..00+00002000 82..00+00002000 71....+0000KERB\n"
         "110003+00000003 81..00+00003000 82..00+00003000 41....+000000CP 45....+0000EDGE\n",
         kMeter,
         CaseMode::Xyz,
         {{1, 1, 1, 0, "BIG", "TREE"}, {2, 2, 2, 0, "KERB", "KERB"}, {3, 3, 3, 0, "EDGE", "CP"}}},
        {"identifiers that are not free whole numbers get the next free number",
         "110001+00000H66 81..00+00001000 82..00+00001000\n"
         "110002+00000009 81..00+00002000 82..00+00002000\n"
         "110003+00000009 81..00+00003000 82..00+00003000\n"
         "81..00+00004000 82..00+00004000\n"
         "110005+00000004 81..00+00005000 82..00+00005000\n",
         kMeter,
         CaseMode::Xyz,
         {{10, 1, 1, 0, "", "H66"},
          {9, 2, 2, 0},
          {11, 3, 3, 0, "", "9"},
          {12, 4, 4, 0},
          {4, 5, 5, 0}}},
        {"targets from two stations with coordinates are placed from each",
         "110001+0000STN1 84..10+00100000 85..10+00200000 86..10+00010000 88..10+00000000\n"
         "110002+00000002 21.324+09000000 32..00+00010000 33..00+00000500\n"
         "110001+0000STN2 84..10+00300000 85..10+00200000 86..10+00020000 88..10+00000000\n"
         "110003+00000003 21.324+18000000 32..00+00005000\n",
         kMeter,
         CaseMode::Xyz,
         {{2, 110, 200, 10.5}, {3, 300, 195, 20}}},
        {"a coordinate file places an observation from a known station",
         "110001+0000STN1 84..10+00100000 85..10+00200000 86..10+00000000\n"
         "110002+00000002 81..00+00001000 82..00+00002000 83..00+00000300\n"
         "110003+00000003 21.324+00000000 32..00+00010000\n",
         kMeter,
         CaseMode::Xyz,
         {{2, 1, 2, 0.3}, {3, 100, 210, 0}}},
        {"observations from a second station without coordinates cannot be placed",
         "110001+0000STN1 88..10+00000000\n"
         "110002+00000002 21.324+09000000 32..00+00010000\n"
         "110001+0000STN2 88..10+00000000\n"
         "110003+00000003 21.324+18000000 32..00+00005000\n",
         kMeter,
         CaseMode::Polar,
         {{2, 90, 10, 0}},
         {"4. 110003+00000003 21.324+18000000 32..00+00005000"}},
        {"lines that are not blocks, or not points, are listed",
         "110001+00000001 81..00+00001000 82..00+00001000\n"
         "110002+00000002 81..00*00001000 82..00+00001000\n"         // bad sign
         "110003+00000003 81..00+0000100\n"                          // a word cut short
         "110004+00000004 81..00+0000A000 82..00+00001000\n"         // letters in a value
         "110005+00000005 81..04+00001000 82..00+00001000\n"         // an angle unit on a length
         "110006+00000006 81..00+00001000\n"                         // easting without northing
         "110007+00000007 81..00+00001000 82..00+0000000000001000\n" // a GSI-16 word
         "\n"
         "110009+00000009 21.324+12060000 32..00+00001000\n", // 60 minutes
         kMeter,
         CaseMode::Xyz,
         {{1, 1, 1, 0}},
         {"2. 110002+00000002 81..00*00001000 82..00+00001000", "3. 110003+00000003 81..00+0000100",
          "4. 110004+00000004 81..00+0000A000 82..00+00001000",
          "5. 110005+00000005 81..04+00001000 82..00+00001000",
          "6. 110006+00000006 81..00+00001000",
          "7. 110007+00000007 81..00+00001000 82..00+0000000000001000",
          "9. 110009+00000009 21.324+12060000 32..00+00001000"}},
    };
    for (const GsiCase& c : cases) {
        const auto got = importGsiText(c.file, inUnit(c.unit));
        ASSERT_TRUE(got) << c.name;
        expectCase(*got, c.mode, c.points, c.errors, c.name);
    }
}

TEST(GsiImport, LargeCoordinatesAreTheNumbersInTheFile) {
    // The nearest doubles to the decimals written: nothing shifted, nothing rounded twice.
    const auto got = importGsiText("*110001+0000000000000001 81..00+0000000612345678 "
                                   "82..00+0000005432109876 83..06+0000000000123456\n"
                                   "*110002+0000000000000002 81..08+0000061234567891\n",
                                   inUnit(kMeter));
    ASSERT_TRUE(got);
    ASSERT_EQ(got->points.size(), 1u);
    EXPECT_EQ(got->points[0].m1, 612345.678);
    EXPECT_EQ(got->points[0].m2, 5432109.876);
    EXPECT_EQ(got->points[0].m3, 12.3456);
    EXPECT_EQ(got->errors.size(), 1u); // easting without northing
}

TEST(GsiImport, RecognisesGsiByItsFirstBlock) {
    const struct {
        std::string_view head;
        TotalStationFormat format;
    } cases[] = {
        {"110001+00000001 81..00+00001000", TotalStationFormat::Gsi8},
        {"\r\n\r\n  *110001+0000000000000001 81..00+0000000000001000", TotalStationFormat::Gsi16},
        {"\xEF\xBB\xBF"
         "410001+0000TREE",
         TotalStationFormat::Gsi8},
        {"1,100.0,200.0,10.0,TREE", TotalStationFormat::Plain},
        {"Point,Northing,Easting,Elevation,Description", TotalStationFormat::Plain},
        {"11000+00000001", TotalStationFormat::Plain}, // one information character short
        {"", TotalStationFormat::Plain},
    };
    for (const auto& c : cases) EXPECT_EQ(detectTotalStationFormat(c.head), c.format) << c.head;
}

// A file made to hurt: lines of megabytes, blocks missing words, bad signs, and a million
// blocks. The import must finish with every line a point or an error, in one pass's time.
TEST(GsiImport, HostileFileIsReadInBoundedTimeAndMemory) {
    std::string file;
    file.reserve(60u << 20);
    file += std::string(4u << 20, '1') + "\n";                   // one word, four megabytes long
    for (int i = 0; i < 100000; ++i) file += "110001+00000001 "; // a long line of identifiers
    file += "\n";
    file += "110001+00000001 81..00+" + std::string(1u << 20, '9') + "\n";
    const std::size_t blocks = 1'000'000;
    for (std::size_t i = 0; i < blocks; ++i) {
        switch (i % 4) {
        case 0:
            file += "110001+00000001 81..00+00001000 82..00+00002000\n";
            break;
        case 1:
            file += "110002+00000002 81..00+00001000\n";
            break; // a missing word
        case 2:
            file += "110003+00000003 81..00 00001000 82..00+\n";
            break; // bad sign, cut
        default:
            file += "410001+0000TREE\n";
            break; // a code block
        }
    }
    const auto started = std::chrono::steady_clock::now();
    const auto got = importGsiText(file, inUnit(kMeter));
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_TRUE(got);
    EXPECT_EQ(got->points.size(), blocks / 4);
    EXPECT_EQ(got->rejectedLines, 2 + blocks / 2); // the 4 MB word, the cut line, the two kinds
    EXPECT_EQ(got->errors.size(), kMaxListedImportErrors + 1);
    EXPECT_LE(got->errors[0].size(), kMaxErrorLineLength + 8);
    // The first point keeps 1; the other 249 999 copies of it are numbered above it.
    EXPECT_EQ(got->points[0].number, 1);
    EXPECT_EQ(got->lastPointNumber, static_cast<std::int32_t>(blocks / 4));
    RecordProperty("seconds", std::to_string(seconds));
}

TEST(GsiImport, StopsWhenAskedAndReportsProgressOnce) {
    std::string file;
    for (int i = 0; i < 20000; ++i) file += "110001+00000001 81..00+00001000 82..00+00002000\n";
    double last = -1;
    bool ordered = true;
    const auto all = importGsiText(file, {}, [&](double f) {
        ordered = ordered && f >= last;
        last = f;
        return true;
    });
    EXPECT_TRUE(all);
    EXPECT_TRUE(ordered);
    EXPECT_DOUBLE_EQ(last, 1.0);
    EXPECT_FALSE(importGsiText(file, {}, [](double f) { return f < 0.5; }));
}

TEST(PlainPointImport, LinesBecomePointsInTheChosenOrder) {
    const struct {
        const char* name;
        std::string file;
        PlainPointOrder order;
        std::vector<Want> points;
        std::vector<std::string> errors;
    } cases[] = {
        {"PNEZD with commas and a title line",
         "Point,Northing,Easting,Elevation,Description\r\n"
         "1,5000.25,2000.5,10.1,TREE TRUNK\r\n"
         "2, 5001 , 2001 , 11 ,\r\n",
         PlainPointOrder::Pnezd,
         {{1, 2000.5, 5000.25, 10.1, "TREE TRUNK"}, {2, 2001, 5001, 11}},
         {}},
        {"PENZD with blanks and tabs; the description is the rest of the line",
         "10 2000.5\t5000.25  10.1 LEFT FRONT TYRE\n"
         "11 1e3 2e3 0\n",
         PlainPointOrder::Penzd,
         {{10, 2000.5, 5000.25, 10.1, "LEFT FRONT TYRE"}, {11, 1000, 2000, 0}},
         {}},
        {"semicolons with decimal commas, quoted fields, blanks with decimal commas",
         "\"1\";\"5000,5\";\"2000,25\";\"1,5\";\"KERB, NORTH\"\n"
         "2 5001,5 2001,25 2,5 SIGN\n",
         PlainPointOrder::Pnezd,
         {{1, 2000.25, 5000.5, 1.5, "KERB, NORTH"}, {2, 2001.25, 5001.5, 2.5, "SIGN"}},
         {}},
        {"identifiers that are not numbers keep their text as the code",
         "CP1,100,200,0,control\n"
         "5,101,201,0,\n"
         "5,102,202,0,again\n",
         PlainPointOrder::Pnezd,
         {{6, 200, 100, 0, "control", "CP1"}, {5, 201, 101, 0}, {7, 202, 102, 0, "again", "5"}},
         {}},
        {"unreadable lines are listed; a first line with digits is not a title",
         "1,100,200\n"
         "2,100,abc,0,X\n"
         "\n"
         "3,100,200,0,OK\n",
         PlainPointOrder::Pnezd,
         {{3, 200, 100, 0, "OK"}},
         {"1. 1,100,200", "2. 2,100,abc,0,X"}},
    };
    for (const auto& c : cases) {
        const auto got = importPlainPointText(c.file, c.order, {});
        ASSERT_TRUE(got) << c.name;
        expectCase(*got, CaseMode::Xyz, c.points, c.errors, c.name);
    }
}

TEST(TotalStationImport, FileIsReadAsItsFormat) {
    testing::TempDir dir;
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    };
    const auto gsi =
        importTotalStationFile(write("a.gsi", "110001+00000001 81..00+00001000 82..00+00002000\n"),
                               PlainPointOrder::Penzd, {});
    ASSERT_TRUE(gsi);
    EXPECT_EQ(gsi->points[0].m1, 1.0);
    const auto plain =
        importTotalStationFile(write("a.txt", "1,1,2,3,X\n"), PlainPointOrder::Penzd, {});
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->points[0].m1, 1.0);
    EXPECT_EQ(plain->points[0].m2, 2.0);

    const TotalStationPreview p = previewTotalStationFile(
        write("b.gsi",
              "*110001+0000000000000001\r\n" + std::string(500, 'x') + "\n3\n4\n5\n6\n7\n8\n9\n"));
    EXPECT_EQ(p.format, TotalStationFormat::Gsi16);
    EXPECT_EQ(p.formatName, "Leica GSI-16");
    ASSERT_EQ(p.lines.size(), kPreviewLines);
    EXPECT_EQ(p.lines[1].size(), kPreviewLineLength);
    EXPECT_THROW(previewTotalStationFile(dir / "missing.gsi"), CoordinateFileError);
}

TEST(ImportNumbering, EveryPointGetsANumberOfItsOwn) {
    const struct {
        const char* name;
        std::int32_t lastBefore;
        std::vector<std::string> ids; // "" = no identifier
        std::vector<std::int32_t> numbers;
        std::int32_t last;
    } cases[] = {
        {"whole numbers stay", 0, {"5", "3", "9"}, {5, 3, 9}, 9},
        {"texts and repeats above all", 0, {"A", "2", "2", "", "1"}, {3, 2, 4, 5, 1}, 5},
        {"nothing numbered starts at the first number", 99, {"A", "B"}, {100, 101}, 101},
        {"at the top of the range the gaps are used",
         0,
         {"2147483647", "A", "-2147483648", "B"},
         {2147483647, -2147483647, -2147483648, -2147483646},
         2147483647},
    };
    for (const auto& c : cases) {
        PointTable points;
        ImportNumbering numbering(c.lastBefore);
        for (std::size_t i = 0; i < c.ids.size(); ++i) {
            PointRecord p;
            if (c.ids[i].empty())
                numbering.numberLater(i);
            else
                numbering.number(p, c.ids[i], i);
            points.push_back(p);
        }
        EXPECT_EQ(numbering.finish(points), c.last) << c.name;
        std::vector<std::int32_t> got;
        for (const PointRecord& p : points) got.push_back(p.number);
        EXPECT_EQ(got, c.numbers) << c.name;
    }
}

} // namespace
} // namespace zorvane
