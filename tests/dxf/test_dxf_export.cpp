// The drawing a case becomes: golden files for the option combinations that change its
// structure, heights in 2D and 3D, arcs, and what a failure leaves on disk.
#include "dxf/DxfExport.h"
#include "dxf/DxfWriteError.h"

#include "support/TempDir.h"
#include "tessaline/DrawingFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <set>
#include <sys/resource.h>

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;
using tessaline_test::crlf;
using tessaline_test::kTemplateSize;
using tessaline_test::readBytes;
using tessaline_test::splitLines;
using tessaline_test::valuesOf;
using testing::TempDir;

const std::string kTablesEnd =
    crlf({" 0", "ENDTAB", " 0", "ENDSEC", " 0", "SECTION", " 2", "ENTITIES"});
const std::string kFileEnd = crlf({" 0", "ENDSEC", " 0", "EOF"});

// Three points on a half circle over the top, in XYZ: unmarked with a descriptor, red
// without one, green with an accented one.
CaseData sampleCase() {
    CaseData c;
    c.mode = CaseMode::Xyz;
    c.points = {{1, 0, 0, 1.5, ""sv, "Tree"sv, 0},
                {2, 1, 1, 0, ""sv, ""sv, 0x0000FF},
                {3, 2, 0, -2, ""sv, "Car \xE9"sv, 0x008000}};
    c.polylines = {{"Road"sv, ""sv, 2, 1, "1,2,3"sv}, {"arc1"sv, ""sv, 0, 4, "1-3"sv}};
    return c;
}

DxfExportOptions allOff() {
    DxfExportOptions o;
    o.exportPoints = o.exportNumbers = o.exportDescriptors = o.exportPolylines = false;
    return o;
}

std::string exported(const CaseData& c, const DxfExportOptions& o,
                     DxfExportOutcome* outcome = nullptr) {
    TempDir dir;
    const DxfExportOutcome result = exportDxf(c, o, dir / "case.dxf");
    if (outcome) *outcome = result;
    return readBytes(dir / "case.dxf");
}

// The file after the header template, which Tessaline's own tests pin down byte for byte.
std::string afterTemplate(const std::string& file) {
    EXPECT_GT(file.size(), kTemplateSize);
    EXPECT_EQ(0u, file.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0));
    EXPECT_EQ(" 6\r\nCONTINUOUS\r\n", file.substr(kTemplateSize - 16, 16));
    return file.substr(kTemplateSize);
}

std::string layer(std::string_view name, std::string_view colour) {
    return crlf({" 0", "LAYER", " 2", name, " 70", "0", " 62", colour, " 6", "CONTINUOUS"});
}
std::string point(std::string_view handle, std::string_view layer, std::string_view x,
                  std::string_view y, std::string_view z) {
    return crlf(
        {" 0", "POINT", " 5", handle, " 8", layer, " 62", "256", " 10", x, " 20", y, " 30", z});
}
std::string text(std::string_view handle, std::string_view layer, std::string_view colour,
                 std::string_view x, std::string_view firstY, std::string_view y,
                 std::string_view height, std::string_view value, std::string_view vertical) {
    return crlf({" 0",  "TEXT", " 5",  handle, " 8",  layer,  " 62", colour,   " 10", x,
                 " 20", firstY, " 30", "0",    " 40", height, " 1",  value,    " 72", "0",
                 " 11", x,      " 21", y,      " 31", "0",    " 73", vertical, " 7",  "STANDARD"});
}
std::string polyline2D(std::string_view handle, std::string_view layer, std::string_view colour,
                       std::string_view width) {
    return crlf({" 0",  "POLYLINE", " 5",  handle, " 8",  layer, " 62", colour,
                 " 66", "  1",      " 10", "0.0",  " 20", "0.0", " 30", "0",
                 " 70", "0",        " 40", width,  " 41", width});
}
std::string vertex2D(std::string_view handle, std::string_view layer, std::string_view colour,
                     std::string_view x, std::string_view y, std::string_view bulge) {
    return crlf({" 0", "VERTEX", " 5", handle, " 8", layer, " 62", colour, " 10", x, " 20", y,
                 " 30", "0", " 42", bulge, " 70", "0"});
}
std::string seqend(std::string_view handle, std::string_view layer, std::string_view colour) {
    return crlf({" 0", "SEQEND", " 5", handle, " 8", layer, " 62", colour});
}

TEST(DxfExportGolden, EverythingOff) {
    EXPECT_EQ(kTablesEnd + kFileEnd, afterTemplate(exported(sampleCase(), allOff())));
}

TEST(DxfExportGolden, EverythingOnIn2D) {
    DxfExportOptions o;
    o.pointLayer = "POINTS", o.pointColour = 7, o.points3D = true;
    o.numberLayer = "NUMBERS", o.numberColour = 2, o.numberHeight = 0.5;
    o.descriptorLayer = "DESC", o.descriptorColour = 4, o.descriptorHeight = 0.25;
    o.polylineLayer = "LINES", o.polylineColour = 1, o.polylines3D = false;
    DxfExportOutcome outcome;
    const std::string expected =
        layer("POINTS", "7") + layer("NUMBERS", "2") + layer("DESC", "4") + layer("LINES", "1") +
        kTablesEnd +
        // The number hangs a text height below the point, the descriptor a third above it.
        point("009A", "POINTS", "0", "0", "1.5") +
        text("009B", "NUMBERS", "256", "0", "-0.5", "0", "0.5", "1", "3") +
        text("009C", "DESC", "256", "0", "0.083333325", "0", "0.25", "Tree", "1") +
        point("009D", "POINTS", "1", "1", "0") +
        text("009E", "NUMBERS", "1", "1", "0.5", "1", "0.5", "2", "3") +
        point("009F", "POINTS", "2", "0", "-2") +
        text("00A0", "NUMBERS", "3", "2", "-0.5", "0", "0.5", "3", "3") +
        text("00A1", "DESC", "3", "2", "0.083333325", "0", "0.25", "Car \xE9", "1") +
        polyline2D("00A2", "LINES", "3", "0.1") + vertex2D("00A3", "LINES", "3", "0", "0", "0") +
        vertex2D("00A4", "LINES", "3", "1", "1", "0") +
        vertex2D("00A5", "LINES", "3", "2", "0", "0") + seqend("00A6", "LINES", "3") +
        // Clockwise half circle over the top: bulge -1 at the first point.
        polyline2D("00A7", "LINES", "1", "0.4") + vertex2D("00A8", "LINES", "1", "0", "0", "-1") +
        vertex2D("00A9", "LINES", "1", "2", "0", "0") + seqend("00AA", "LINES", "1") + kFileEnd;
    EXPECT_EQ(expected, afterTemplate(exported(sampleCase(), o, &outcome)));
    EXPECT_EQ(3u, outcome.pointsWritten);
    EXPECT_EQ(2u, outcome.polylinesWritten);
    EXPECT_TRUE(outcome.skipped.empty());
}

TEST(DxfExportGolden, NumbersAndDescriptorsShareALayerWhateverItsLetterCase) {
    DxfExportOptions o = allOff();
    o.exportNumbers = o.exportDescriptors = true;
    o.numberLayer = "Labels", o.numberColour = 3, o.numberHeight = 1;
    o.descriptorLayer = "LABELS", o.descriptorColour = 5, o.descriptorHeight = 2;
    CaseData c = sampleCase();
    c.points.resize(2);
    const std::string expected =
        layer("Labels", "3") + kTablesEnd +
        text("009A", "Labels", "256", "0", "-1", "0", "1", "1", "3") +
        text("009B", "LABELS", "256", "0", "0.6666666", "0", "2", "Tree", "1") +
        text("009C", "Labels", "1", "1", "0", "1", "1", "2", "3") + kFileEnd;
    EXPECT_EQ(expected, afterTemplate(exported(c, o)));
}

TEST(DxfExportGolden, PointLayerZeroIsDeclaredAgainAfterTheTemplatesOwn) {
    DxfExportOptions o = allOff();
    o.exportPoints = true, o.pointLayer = "0", o.pointColour = 7, o.points3D = false;
    CaseData c = sampleCase();
    c.points.resize(2);
    const std::string expected = layer("0", "7") + kTablesEnd + point("009A", "0", "0", "0", "0") +
                                 point("009B", "0", "1", "1", "0") + kFileEnd;
    EXPECT_EQ(expected, afterTemplate(exported(c, o)));
}

TEST(DxfExport, LayersAreCreatedOncePerNameInTheColourOfTheFirstGroup) {
    const struct {
        const char *points, *numbers, *descriptors, *polylines;
        std::vector<std::string> layers; // name and colour, in order
    } cases[] = {
        {"A", "B", "C", "D", {"A", "1", "B", "2", "C", "3", "D", "4"}},
        {"pts", "PTS", "Pts", "pTs", {"pts", "1"}},
        {"A", "b", "B", "a", {"A", "1", "b", "2"}},
        {"\xC9t", "\xE9T", "x", "X", {"\xC9t", "1", "x", "3"}}, // accented letters too
        {"", "", "L", "", {"", "1", "L", "3"}},
    };
    for (const auto& c : cases) {
        DxfExportOptions o;
        o.pointLayer = c.points, o.numberLayer = c.numbers;
        o.descriptorLayer = c.descriptors, o.polylineLayer = c.polylines;
        o.pointColour = 1, o.numberColour = 2, o.descriptorColour = 3, o.polylineColour = 4;
        const std::string tables = afterTemplate(exported(CaseData{}, o));
        const std::vector<std::string> lines =
            splitLines(tables.substr(0, tables.find(kTablesEnd)));
        std::vector<std::string> layers;
        for (std::size_t i = 0; i + 7 < lines.size(); i += 10)
            layers.insert(layers.end(), {lines[i + 3], lines[i + 7]});
        EXPECT_EQ(c.layers, layers) << c.points << " " << c.numbers;
    }
}

TEST(DxfExport, MarkColoursBecomeTextColoursWhilePointsStayByLayer) {
    const std::pair<Colour, int> cases[] = {{0, 256},        {0x0000FF, 1},  {0x008000, 3},
                                            {0xFF0000, 5},   {0xFF00FF, 6},  {0x00FF00, 256},
                                            {0xFFFFFF, 256}, {0x0000FE, 256}};
    CaseData c;
    for (const auto& [mark, colour] : cases) {
        EXPECT_EQ(colour, dxfColourOfMark(mark)) << std::hex << mark;
        c.points.push_back({int(c.points.size()) + 1, 1, 2, 3, ""sv, "d"sv, mark});
    }
    const std::string body = afterTemplate(exported(c, DxfExportOptions{}));
    std::vector<std::string> colours = valuesOf(body, " 62");
    colours.erase(colours.begin(), colours.begin() + 4); // the layers
    ASSERT_EQ(3 * std::size(cases), colours.size());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ("256", colours[3 * i]);
        EXPECT_EQ(std::to_string(cases[i].second), colours[3 * i + 1]);
        EXPECT_EQ(std::to_string(cases[i].second), colours[3 * i + 2]);
    }
}

TEST(DxfExport, PolylineColoursAndWidthsComeFromTheirLists) {
    const struct {
        std::int32_t colourIndex, widthIndex;
        const char *colour, *width;
    } cases[] = {{0, 0, "1", "0"}, {2, 1, "3", "0.1"}, {6, 3, "7", "0.3"}, {7, 4, "8", "0.4"},
                 {8, 5, "7", "0"}, {-1, -1, "7", "0"}}; // damaged files: black and thin
    CaseData c = sampleCase();
    c.polylines.clear();
    for (const auto& k : cases)
        c.polylines.push_back({"P"sv, ""sv, k.colourIndex, k.widthIndex, "1,2"sv});
    DxfExportOptions o = allOff();
    o.exportPolylines = true;
    const std::vector<std::string> lines = splitLines(afterTemplate(exported(c, o)));
    std::vector<std::pair<std::string, std::string>> found;
    for (std::size_t i = 0; i + 21 < lines.size(); i += 2)
        if (lines[i] == " 0" && lines[i + 1] == "POLYLINE")
            found.emplace_back(lines[i + 7], lines[i + 19]);
    ASSERT_EQ(std::size(cases), found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(cases[i].colour, found[i].first) << cases[i].colourIndex;
        EXPECT_EQ(cases[i].width, found[i].second) << cases[i].widthIndex;
    }
}

// Heights by case mode: Z, the measured height, the elevation; 0 in 2D; texts always at 0.
TEST(DxfExport, HeightsIn2DAnd3D) {
    const struct {
        CaseMode mode;
        PointRecord p;
        const char* height;
    } cases[] = {
        {CaseMode::Xyz, {1, 5, 6, 7.25, ""sv, "d"sv, 0}, "7.25"},
        {CaseMode::Polar, {1, 90, 10, 2, ""sv, "d"sv, 0}, "2"},
        // North 0, East 3, South 4; West and the elevation come last in the record.
        {CaseMode::Nesw, {1, 0, 3, 4, ""sv, "d"sv, 0, 0, 1.5}, "1.5"},
    };
    for (const auto& c : cases) {
        for (bool in3D : {false, true}) {
            CaseData data;
            data.mode = c.mode;
            data.points = {c.p, {2, 0, 0, 0, ""sv, ""sv, 0}};
            data.polylines = {{"P"sv, ""sv, 0, 0, "1,2"sv}};
            DxfExportOptions o;
            o.points3D = o.polylines3D = in3D;
            const std::string body = afterTemplate(exported(data, o));
            const std::vector<std::string> z = valuesOf(body, " 30");
            // POINT, two TEXTs, POINT, TEXT, POLYLINE, two VERTEXes
            ASSERT_EQ(8u, z.size());
            const std::string height = in3D ? c.height : "0";
            EXPECT_EQ(height, z[0]) << int(c.mode) << in3D;
            EXPECT_EQ("0", z[1]);
            EXPECT_EQ("0", z[2]);
            EXPECT_EQ(height, z[6]) << "the first vertex";
            if (c.mode == CaseMode::Nesw) {
                EXPECT_EQ("3", valuesOf(body, " 10")[0]);
                EXPECT_EQ("-4", valuesOf(body, " 20")[0]) << "south of the origin";
            }
        }
    }
}

// Vertices of each definition as "x y bulge" (2D) or "x y z bulge" (3D).
std::vector<std::vector<std::string>> verticesOf(const std::string& file, bool in3D) {
    const std::vector<std::string> lines = splitLines(afterTemplate(file));
    std::vector<std::vector<std::string>> result;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        if (lines[i] != " 0") continue;
        if (lines[i + 1] == "POLYLINE") result.emplace_back();
        if (lines[i + 1] != "VERTEX") continue;
        std::string v = lines[i + 9] + " " + lines[i + 11];
        if (in3D) v += " " + lines[i + 13];
        result.back().push_back(v + " " + lines[i + 15]);
    }
    return result;
}

TEST(DxfExport, ArcsAndPolylinesBecomeVertices) {
    CaseData c;
    c.points = {{1, 0, 0, 5, ""sv, ""sv, 0},
                {2, 1, 1, 6, ""sv, ""sv, 0},
                {3, 2, 0, 7, ""sv, ""sv, 0},
                {4, 4, 0, 8, ""sv, ""sv, 0},
                {2, 9, 9, 9, ""sv, ""sv, 0}}; // a second point 2: the first one counts
    const struct {
        const char *name, *points;
        std::vector<std::string> in2D, in3D;
    } cases[] = {
        {"arc1", "1,2,3", {"0 0 -1", "2 0 0"}, {"0 0 5 0", "1 1 6 0", "2 0 7 0"}},
        {"Arc", "3, 2, 1", {"2 0 1", "0 0 0"}, {"2 0 7 0", "1 1 6 0", "0 0 5 0"}},
        // Four entries: the circle, P0 to P2 and back; the fourth point is not used.
        {"a",
         "1,2,3,4",
         {"0 0 -1", "2 0 0", "2 0 -1", "0 0 0"},
         {"0 0 5 0", "1 1 6 0", "2 0 7 0", "4 0 8 0"}},
        {"a",
         "1,2,3,4,1",
         {"0 0 -1", "2 0 0"},
         {"0 0 5 0", "1 1 6 0", "2 0 7 0", "4 0 8 0", "0 0 5 0"}},
        {"aLine", "1,3,4", {"0 0 0", "4 0 0"}, {"0 0 5 0", "2 0 7 0", "4 0 8 0"}}, // collinear
        {"arc", "1,99,3", {"0 0 0", "2 0 0"}, {"0 0 5 0", "2 0 7 0"}}, // a point is missing
        {"arc", "1,2", {"0 0 0", "1 1 0"}, {"0 0 5 0", "1 1 6 0"}},    // too few points
        {"Road", "1-3", {"0 0 0", "1 1 0", "2 0 0"}, {"0 0 5 0", "1 1 6 0", "2 0 7 0"}},
        {"Road", "4,99,1", {"4 0 0", "0 0 0"}, {"4 0 8 0", "0 0 5 0"}},
        {"Gone", "98,99", {}, {}}, // still written: POLYLINE and SEQEND
    };
    for (const auto& k : cases)
        c.polylines.push_back({std::string_view(k.name), ""sv, 0, 0, std::string_view(k.points)});
    DxfExportOptions o;
    for (bool in3D : {false, true}) {
        o.polylines3D = in3D;
        const auto found = verticesOf(exported(c, o), in3D);
        ASSERT_EQ(std::size(cases), found.size());
        for (std::size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(in3D ? cases[i].in3D : cases[i].in2D, found[i])
                << cases[i].name << " " << cases[i].points << (in3D ? " 3D" : " 2D");
    }
}

TEST(DxfExport, ADefinitionWithAWordInItsPointsIsLeftOutAndTheRestWritten) {
    CaseData c = sampleCase();
    c.polylines = {{"First"sv, ""sv, 0, 0, "1,x,3"sv},
                   {"Second"sv, ""sv, 0, 0, "1-2"sv},
                   {"arc"sv, ""sv, 0, 0, "1,2,3,y"sv},
                   {"Range"sv, ""sv, 0, 0, "1-z"sv}};
    DxfExportOutcome outcome;
    const std::string file = exported(c, DxfExportOptions{}, &outcome);
    EXPECT_EQ((std::vector<std::string>{"'x' is not a valid integer value",
                                        "'y' is not a valid integer value",
                                        "'z' is not a valid integer value"}),
              outcome.skipped);
    EXPECT_EQ(1u, outcome.polylinesWritten);
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"0 0 0", "1 1 0"}}), verticesOf(file, false));
    EXPECT_EQ(kFileEnd, file.substr(file.size() - kFileEnd.size()));
}

TEST(DxfExport, APointWhosePositionIsNotANumberIsLeftOut) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CaseData c = sampleCase();
    c.points.edit(1).m2 = nan;
    c.points.edit(0).m3 = std::numeric_limits<double>::infinity(); // only its height
    DxfExportOptions o;
    o.points3D = false;
    DxfExportOutcome outcome;
    std::string file = exported(c, o, &outcome);
    EXPECT_EQ(std::vector<std::string>{"Point 2 was not exported: its position is not a number."},
              outcome.skipped);
    EXPECT_EQ(2u, outcome.pointsWritten);
    // The arc through the point falls back to the points that are there.
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"0 0 0", "2 0 0"}, {"0 0 0", "2 0 0"}}),
              verticesOf(file, false));
    o.points3D = true;
    file = exported(c, o, &outcome);
    EXPECT_EQ(2u, outcome.skipped.size()) << "in 3D the height is needed too";
    EXPECT_EQ(1u, outcome.pointsWritten);

    o.numberHeight = nan;
    TempDir dir;
    EXPECT_THROW(exportDxf(c, o, dir / "x.dxf"), std::invalid_argument);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

// ---- failures --------------------------------------------------------------------------

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Files may grow to `bytes` while this lives; writes past that fail as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

CaseData bigCase(int points) {
    CaseData c;
    for (int i = 1; i <= points; ++i)
        c.points.push_back({i, 1000.0 + i, 2000.0 - i, 0.5, ""sv, "kerb"sv, 0});
    return c;
}

TEST(DxfExportFailures, TheWriteErrorMessageHasSevenLines) {
    EXPECT_EQ("Zorvane is unable to write to the file:\r/home/x/a b.dxf\r"
              "This may be caused by any of the following:\r"
              "  1. The file is currently in use by Zorvane or another application\r"
              "  2. There is insufficient disk space on the selected drive\r"
              "  3. The selected drive is read-only\r"
              "Please check the above or select a new filename or location and then try again.",
              dxfWriteErrorMessage("/home/x/a b.dxf"));
}

TEST(DxfExportFailures, ADrawingThatCannotBeStartedLeavesNothing) {
    TempDir dir;
    writeText(dir / "plain.txt", "x");
    fs::create_directory(dir / "folder");
    const std::set<std::string> before = namesIn(dir.path());
    for (const fs::path& target :
         {dir / "missing" / "a.dxf", dir / "plain.txt" / "a.dxf", dir / "folder"}) {
        try {
            exportDxf(sampleCase(), DxfExportOptions{}, target);
            ADD_FAILURE() << target << " was written";
        } catch (const DxfWriteError& e) {
            EXPECT_EQ(dxfWriteErrorMessage(target.string()), e.what());
            EXPECT_EQ(target, e.target());
            EXPECT_FALSE(e.reason().empty());
        }
    }
    EXPECT_EQ(before, namesIn(dir.path()));
    EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

TEST(DxfExportFailures, AFullDiskLeavesTheEarlierDrawingWhole) {
    TempDir dir;
    const fs::path target = dir / "case.dxf";
    writeText(target, "earlier drawing");
    for (rlim_t limit : {rlim_t(100), rlim_t(kTemplateSize + 100), rlim_t(300000)}) {
        FileSizeLimit full(limit);
        EXPECT_THROW(exportDxf(bigCase(5000), DxfExportOptions{}, target), DxfWriteError) << limit;
    }
    EXPECT_EQ("earlier drawing", readBytes(target));
    EXPECT_EQ(std::set<std::string>{"case.dxf"}, namesIn(dir.path()));

    // Nothing of the failure lingers: the next export succeeds and replaces it.
    const DxfExportOutcome outcome = exportDxf(bigCase(5000), DxfExportOptions{}, target);
    EXPECT_EQ(5000u, outcome.pointsWritten);
    const std::string file = readBytes(target);
    EXPECT_EQ(kFileEnd, file.substr(file.size() - kFileEnd.size()));
    EXPECT_EQ(std::set<std::string>{"case.dxf"}, namesIn(dir.path()));
}

TEST(DxfExportFailures, ANameAsLongAsANameCanBeIsWritten) {
    TempDir dir;
    const fs::path target = dir / (std::string(251, 'n') + ".dxf");
    exportDxf(sampleCase(), allOff(), target);
    EXPECT_EQ(std::set<std::string>{target.filename().string()}, namesIn(dir.path()));
}

TEST(DxfExportFailures, AReplacedDrawingKeepsItsPermissionsAndLinks) {
    TempDir dir;
    const fs::path file = dir / "real.dxf";
    writeText(file, "old");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    fs::create_symlink(file, dir / "link.dxf");
    exportDxf(sampleCase(), allOff(), dir / "link.dxf");
    EXPECT_TRUE(fs::is_symlink(dir / "link.dxf"));
    EXPECT_EQ(kTemplateSize + kTablesEnd.size() + kFileEnd.size(), fs::file_size(file));
    EXPECT_EQ(perms, fs::status(file).permissions());
    EXPECT_EQ((std::set<std::string>{"link.dxf", "real.dxf"}), namesIn(dir.path()));
}

} // namespace
} // namespace zorvane
