#include "reports/ReportContent.h"

#include "case/GridTexts.h"
#include "reports/ReportError.h"

#include <gtest/gtest.h>

namespace zorvane {
namespace {

using namespace std::string_view_literals;
using Rows = std::vector<std::vector<std::string>>;

// A PNG header of the given size; the report reads nothing past it.
std::vector<std::uint8_t> pngHeader(std::uint32_t w, std::uint32_t h) {
    std::vector<std::uint8_t> b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                   0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (std::uint32_t v : {w, h})
        for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
    b.insert(b.end(), {8, 2, 0, 0, 0});
    return b;
}

TEST(ReportContent, CaseCellsFollowTheTableOfTheTemplate) {
    CaseData data;
    data.caseName = "Crossing A7 \xE9";
    data.caseDescription = "Two cars";
    data.incident = {"12/03/2024"sv, "14:30"sv,  "Main Street"sv,
                     "J. Doe"sv,     "R. Roe"sv, "Line one\r\nLine two\rthree\nfour"sv};
    const ReportContent c = buildReportContent(data, {}, {});
    const std::vector<ReportCell> expected = {{1, 2, "Crossing A7 \xC3\xA9"},
                                              {2, 2, "Two cars"},
                                              {3, 2, "12/03/2024 14:30"},
                                              {4, 2, "Main Street"},
                                              {5, 2, "J. Doe"},
                                              {6, 2, "R. Roe"},
                                              {8, 1, "Line one\nLine two\nthree\nfour"}};
    EXPECT_EQ(c.caseCells, expected);
    EXPECT_EQ(c.caseName, "Crossing A7 \xC3\xA9");
    EXPECT_TRUE(c.drawing.empty());
}

TEST(ReportContent, DateAndHourAreJoinedByOneSpaceWhateverIsEmpty) {
    const struct {
        std::string_view date, hour, text;
    } cases[] = {{"01/02/2023", "08:15", "01/02/2023 08:15"},
                 {"", "08:15", " 08:15"},
                 {"01/02/2023", "", "01/02/2023 "},
                 {"", "", " "}};
    for (const auto& t : cases) {
        CaseData data;
        data.incident.date = t.date;
        data.incident.hour = t.hour;
        EXPECT_EQ(buildReportContent(data, {}, {}).caseCells.at(2).text, t.text)
            << t.date << "|" << t.hour;
    }
}

TEST(ReportContent, GridKeepsTheVisibleColumnsOfTheMode) {
    const Rows grid = {
        {"Number", "North", "East", "South", "West", "Elevation", "Description", "Code"},
        {"7", "1.00", "2.00", "", "", "3.00", "Tree \xB0", "TR"},
        {"8"},
        {}};
    const struct {
        CaseMode mode;
        int columns;
    } modes[] = {{CaseMode::Xyz, 5}, {CaseMode::Polar, 5}, {CaseMode::Nesw, 7}};
    for (const auto& m : modes) {
        CaseData data;
        data.mode = m.mode;
        const ReportContent c = buildReportContent(data, grid, {});
        ASSERT_EQ(c.columns, m.columns);
        ASSERT_EQ(c.grid.size(), grid.size());
        for (const auto& row : c.grid) EXPECT_EQ(row.size(), static_cast<std::size_t>(m.columns));
        EXPECT_EQ(c.grid[0].back(), m.columns == 7 ? "Description" : "West");
        EXPECT_EQ(c.grid[2][0], "8");
        EXPECT_EQ(c.grid[2][1], "");
        EXPECT_EQ(c.grid[3], std::vector<std::string>(static_cast<std::size_t>(m.columns)));
    }
    CaseData nesw;
    nesw.mode = CaseMode::Nesw;
    EXPECT_EQ(buildReportContent(nesw, grid, {}).grid[1][6], "Tree \xC2\xB0");
}

TEST(ReportContent, DrawingSizeComesFromThePngHeader) {
    CaseData data;
    const ReportContent c = buildReportContent(data, {}, pngHeader(640, 480));
    EXPECT_EQ(c.drawing.width, 640);
    EXPECT_EQ(c.drawing.height, 480);
    EXPECT_EQ(c.drawing.png, pngHeader(640, 480));

    auto gif = pngHeader(1, 1);
    gif[1] = 'G';
    auto cut = pngHeader(5, 5);
    cut.resize(20);
    const std::vector<std::vector<std::uint8_t>> bad = {
        {1, 2, 3}, gif, cut, pngHeader(0, 10), pngHeader(10, 0), pngHeader(0x80000000u, 1)};
    for (const auto& bytes : bad) EXPECT_THROW(buildReportContent(data, {}, bytes), ReportError);
}

TEST(ReportContent, PictureFitsTheWidthUnlessTooTall) {
    const struct {
        int w, h;
        double maxW, maxH, wantW, wantH;
    } cases[] = {
        {640, 320, 17000, 20000, 17000, 8500}, // wide: as wide as the text
        {100, 400, 17000, 20000, 5000, 20000}, // tall: as high as allowed
        {10, 10, 170, 170, 170, 170},          // small pictures grow too
        {0, 10, 100, 100, 10, 100},            // no width counts as one pixel
    };
    for (const auto& c : cases) {
        const auto [w, h] = fittedPictureSize(c.w, c.h, c.maxW, c.maxH);
        EXPECT_DOUBLE_EQ(w, c.wantW) << c.w << "x" << c.h;
        EXPECT_DOUBLE_EQ(h, c.wantH) << c.w << "x" << c.h;
    }
}

TEST(ReportContent, WriterCellNames) {
    const struct {
        int row, column;
        const char* name;
    } cases[] = {{1, 2, "B1"}, {8, 1, "A8"}, {11, 7, "G11"}, {3, 26, "Z3"}, {2, 27, "AA2"}};
    for (const auto& t : cases) EXPECT_EQ(reportCellName(t.row, t.column), t.name);
}

TEST(ReportContent, DisplayedGridIsWhatTheMainWindowShows) {
    CaseState doc;
    doc.mode = CaseMode::Nesw;
    doc.points = {{4, 1.5, 0, 0, "C1"sv, "Kerb"sv, 0, 2.25, 10}};
    doc.grid.rebuild({0, 2}, ',');
    doc.grid.setRow(1, {"4", "1,50", "0,00", "", "2,25", "10,00", "Kerb", "C1"}); // as typed
    const auto grid = displayedGrid(doc);
    ASSERT_EQ(grid.size(), 3u);
    for (const auto& row : grid) EXPECT_EQ(row.size(), 7u) << "the code column is not shown";
    EXPECT_EQ(grid[0][5], "Elevation");
    EXPECT_EQ(grid[1],
              (std::vector<std::string>{"4", "1,50", "0,00", "", "2,25", "10,00", "Kerb"}));
    EXPECT_EQ(grid[2], std::vector<std::string>(7));

    doc.mode = CaseMode::Xyz;
    doc.points.clear();
    EXPECT_EQ(displayedGrid(doc),
              (std::vector<std::vector<std::string>>{
                  {"Number", "Measure. X", "Measure. Y", "Measure. Z", "Description"},
                  std::vector<std::string>(5)}));
}

} // namespace
} // namespace zorvane
