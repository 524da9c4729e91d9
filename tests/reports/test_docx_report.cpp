#include "reports/DocxReport.h"

#include "ReportSamples.h"
#include "reports/ReportError.h"

#include <gtest/gtest.h>

#include <regex>

namespace zorvane {
namespace {

using namespace zorvane::testing;

constexpr const char* kLabel = "The report template \"tq.dotx\"";
constexpr std::int64_t kTextWidthEmu = (11906 - 2 * 1134) * 635;

Bytes build(const ReportContent& content, const Bytes& templ = shippedTemplate()) {
    return buildDocxReport(templ, kLabel, content);
}

// The shipped template with its main part edited.
Bytes editedTemplate(const std::function<void(std::string&)>& edit) {
    OpcPackage package = OpcPackage::read(shippedTemplate(), "template");
    std::string xml = package.part("word/document.xml");
    edit(xml);
    package.setPart("word/document.xml", xml);
    return package.zipBytes();
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    s = std::regex_replace(s, std::regex(from), to);
}

std::string buildError(const ReportContent& content, const Bytes& templ) {
    try {
        buildDocxReport(templ, kLabel, content);
    } catch (const ReportError& e) {
        return e.what();
    }
    return "no error";
}

TEST(DocxReport, EachModeFillsTheTemplate) {
    const struct {
        CaseMode mode;
        int points;
        int columns;
        std::vector<std::string> titles;
    } cases[] = {
        {CaseMode::Xyz, 3, 5, {"Number", "Measure. X", "Measure. Y", "Measure. Z", "Description"}},
        {CaseMode::Polar,
         2,
         5,
         {"Number", "Compass d\xC2\xB0", "M. Length", "M. Height", "Description"}},
        {CaseMode::Nesw,
         4,
         7,
         {"Number", "North", "East", "South", "West", "Elevation", "Description"}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.columns);
        const ReportContent content = sampleContent(t.mode, t.points);
        const OpenedDocx docx(build(content));
        EXPECT_EQ(
            docx.package.contentType("word/document.xml"),
            "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");

        const auto tables = docx.tables();
        ASSERT_EQ(tables.size(), 2u);
        const pugi::xml_node caseTable = tables[0];
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 1, 1), "Case name or number");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 1, 2), "Crossing A7 / B12");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 2, 2), "Two cars, one cyclist");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 3, 2), "12/03/2024 14:30");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 4, 2), "Main Street");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 5, 2), "J. Doe");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 6, 2), "R. Roe");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 7, 1), "Circumstances");
        EXPECT_EQ(OpenedDocx::cellText(caseTable, 8, 1), "Line one\nLine two");

        const pugi::xml_node points = tables[1];
        const auto rows = OpenedDocx::children(points, "w:tr");
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(t.points + 2));
        for (const auto& row : rows) EXPECT_EQ(OpenedDocx::children(row, "w:tc").size(), t.columns);
        EXPECT_EQ(OpenedDocx::children(points.child("w:tblGrid"), "w:gridCol").size(), t.columns);
        for (int c = 1; c <= t.columns; ++c) {
            EXPECT_EQ(OpenedDocx::cellText(points, 1, c), t.titles[c - 1]);
            EXPECT_EQ(OpenedDocx::cellText(points, t.points + 2, c), "");
            EXPECT_EQ(OpenedDocx::cellText(points, 2, c), content.grid[1][c - 1]);
        }
        EXPECT_EQ(OpenedDocx::cellText(points, t.points + 1, 1),
                  std::to_string(101 + (t.points - 1) * 7));
        EXPECT_TRUE(rows[0].child("w:trPr").child("w:tblHeader")) << "titles repeat on every page";
    }
}

TEST(DocxReport, DrawingIsEmbeddedAtItsBookmarkAcrossTheText) {
    const Bytes png = samplePng();
    const OpenedDocx docx(build(sampleContent(CaseMode::Xyz, 1, png)));
    const pugi::xml_node mark = docx.body().select_node(".//w:bookmarkStart[@w:name='xyz']").node();
    ASSERT_TRUE(mark);
    const pugi::xml_node paragraph = mark.parent();
    ASSERT_STREQ(paragraph.name(), "w:p");
    const pugi::xml_node inline_ = paragraph.select_node(".//w:drawing/wp:inline").node();
    ASSERT_TRUE(inline_);
    EXPECT_EQ(docx.body().select_nodes(".//w:drawing").size(), 1u);

    const std::string id = inline_.select_node(".//a:blip").node().attribute("r:embed").value();
    const OpcPackage& pkg = docx.package;
    pugi::xml_document rels;
    const std::string& relsXml = pkg.part("word/_rels/document.xml.rels");
    ASSERT_TRUE(rels.load_buffer(relsXml.data(), relsXml.size()));
    const pugi::xml_node rel =
        rels.select_node(("/Relationships/Relationship[@Id='" + id + "']").c_str()).node();
    ASSERT_TRUE(rel) << id;
    EXPECT_STREQ(rel.attribute("Type").value(),
                 "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
    const std::string& stored = pkg.part("word/" + std::string(rel.attribute("Target").value()));
    EXPECT_EQ(Bytes(stored.begin(), stored.end()), png);
    EXPECT_EQ(pkg.contentType("word/media/zorvane-drawing1.png"), "image/png");

    // 3 × 2 pixels: as wide as the text, two thirds as high.
    const std::int64_t cx = inline_.child("wp:extent").attribute("cx").as_llong();
    const std::int64_t cy = inline_.child("wp:extent").attribute("cy").as_llong();
    EXPECT_EQ(cx, kTextWidthEmu);
    EXPECT_NEAR(static_cast<double>(cy), kTextWidthEmu * 2.0 / 3.0, 1.0);
}

TEST(DocxReport, TallDrawingIsKeptWithinThePage) {
    ReportContent content = sampleContent(CaseMode::Xyz, 0);
    content.drawing.width = 100;
    content.drawing.height = 1000; // the header of the bytes does not matter here
    const OpenedDocx docx(build(content));
    const pugi::xml_node extent = docx.body().select_node(".//wp:extent").node();
    const std::int64_t textHeight = (16838 - 2 * 1134) * 635;
    EXPECT_LE(extent.attribute("cy").as_llong(), textHeight);
    EXPECT_NEAR(extent.attribute("cy").as_double() / extent.attribute("cx").as_double(), 10.0,
                0.001);
}

TEST(DocxReport, EmptyCaseGivesTitlesAndTheEmptyRow) {
    const OpenedDocx docx(build(sampleContent(CaseMode::Nesw, 0)));
    const auto rows = OpenedDocx::children(docx.tables().at(1), "w:tr");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(OpenedDocx::cellText(docx.tables()[1], 1, 7), "Description");
    EXPECT_EQ(OpenedDocx::text(rows[1]), "");
    EXPECT_EQ(OpenedDocx::children(rows[1], "w:tc").size(), 7u);
}

TEST(DocxReport, NoDrawingLeavesTheBookmarkAlone) {
    const OpenedDocx docx(build(sampleContent(CaseMode::Xyz, 2, {})));
    EXPECT_EQ(docx.body().select_nodes(".//w:drawing").size(), 0u);
    EXPECT_FALSE(docx.package.has("word/media/zorvane-drawing1.png"));
}

TEST(DocxReport, HostileTextsStayText) {
    const std::string hostile = "<w:t>&amp; \"x\" ]]> \x01\x08\x0B\x0C\x1F\x7F end</w:t>";
    ReportContent content = sampleContent(CaseMode::Xyz, 1);
    content.caseCells[0].text = hostile;
    content.caseCells[1].text = "bad \xFF\xC3 utf-8 \xED\xA0\x80 surrogate";
    content.caseCells[2].text = "a\tb\nc";
    content.grid[1][4] = "</w:tc></w:tr><w:tr>";
    const OpenedDocx docx(build(content));
    const auto tables = docx.tables();
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(OpenedDocx::cellText(tables[0], 1, 2), "<w:t>&amp; \"x\" ]]> \x7F end</w:t>");
    EXPECT_EQ(OpenedDocx::cellText(tables[0], 2, 2),
              "bad \xEF\xBF\xBD\xEF\xBF\xBD utf-8  surrogate");
    EXPECT_EQ(OpenedDocx::cellText(tables[0], 3, 2), "a\tb\nc");
    EXPECT_EQ(OpenedDocx::cellText(tables[1], 2, 5), "</w:tc></w:tr><w:tr>");
    EXPECT_EQ(OpenedDocx::children(tables[1], "w:tr").size(), 3u);
}

TEST(DocxReport, AppendedTextFollowsWhatTheCellHolds) {
    const Bytes templ = editedTemplate([](std::string& xml) {
        // Cell (1,2) already says something, in italics.
        replaceAll(
            xml,
            "<w:tc><w:tcPr><w:tcW w:w=\"6738\" w:type=\"dxa\"/><w:vAlign "
            "w:val=\"center\"/></w:tcPr>"
            "<w:p><w:pPr><w:pStyle w:val=\"TableText\"/></w:pPr></w:p></w:tc>",
            "<w:tc><w:tcPr/><w:p><w:r><w:rPr><w:i/></w:rPr><w:t>No. </w:t></w:r></w:p></w:tc>");
    });
    const OpenedDocx docx(build(sampleContent(CaseMode::Xyz, 0), templ));
    const pugi::xml_node cell =
        OpenedDocx::children(OpenedDocx::children(docx.tables()[0], "w:tr")[0], "w:tc")[1];
    EXPECT_EQ(OpenedDocx::text(cell), "No. Crossing A7 / B12");
    EXPECT_EQ(cell.select_nodes(".//w:r[w:rPr/w:i]").size(), 2u);
}

TEST(DocxReport, TemplatesWrittenOtherwiseStillWork) {
    const std::function<void(std::string&)> edits[] = {
        // Another prefix for the WordprocessingML namespace.
        [](std::string& xml) {
            replaceAll(xml, "(</?)w:", "$1wx:"), replaceAll(xml, " w:", " wx:"),
                replaceAll(xml, "xmlns:w=", "xmlns:wx=");
        },
        // Bookmark names in capitals: Word finds bookmarks whatever their case.
        [](std::string& xml) {
            replaceAll(xml, "\"xyz\"", "\"XYZ\""), replaceAll(xml, "\"dat\"", "\"Dat\"");
        },
        // The points' bookmark amid text: the table comes after that paragraph.
        [](std::string& xml) {
            replaceAll(
                xml, "<w:bookmarkStart w:id=\"1\" w:name=\"dat\"/>",
                "<w:r><w:t>All points:</w:t></w:r><w:bookmarkStart w:id=\"1\" w:name=\"dat\"/>");
        },
        // Both bookmarks between blocks rather than in a paragraph, one inside the case table.
        [](std::string& xml) {
            replaceAll(xml, "<w:bookmarkStart w:id=\"0\" w:name=\"xyz\"/>", "");
            replaceAll(xml, "<w:bookmarkStart w:id=\"1\" w:name=\"dat\"/>", "");
            replaceAll(xml, "<w:tr>", "<w:bookmarkStart w:id=\"0\" w:name=\"xyz\"/><w:tr>");
            replaceAll(xml, "<w:sectPr>", "<w:bookmarkStart w:id=\"1\" w:name=\"dat\"/><w:sectPr>");
        },
    };
    for (const auto& edit : edits) {
        const OpenedDocx docx(build(sampleContent(CaseMode::Xyz, 2), editedTemplate(edit)));
        const std::string xml = docx.package.part("word/document.xml");
        EXPECT_NE(xml.find("Crossing A7 / B12"), std::string::npos);
        EXPECT_NE(xml.find("Measure. X"), std::string::npos);
        EXPECT_NE(xml.find("r:embed"), std::string::npos);
        EXPECT_EQ(std::regex_search(xml, std::regex(":tbl>")) ? 1 : 0, 1);
    }
    // A table needs a paragraph after it: there is one where the bookmark's paragraph had text.
    const OpenedDocx amid(build(sampleContent(CaseMode::Xyz, 2), editedTemplate(edits[2])));
    const pugi::xml_node table = amid.tables().at(1);
    EXPECT_STREQ(table.previous_sibling().name(), "w:p");
    EXPECT_STREQ(table.next_sibling().name(), "w:p");
    // Nothing lands where the schema does not allow it: the picture after the table, in the body.
    const OpenedDocx between(build(sampleContent(CaseMode::Xyz, 2), editedTemplate(edits[3])));
    const pugi::xml_node drawingParagraph = between.body().select_node(".//w:drawing/../..").node();
    EXPECT_STREQ(drawingParagraph.parent().name(), "w:body");
    EXPECT_STREQ(drawingParagraph.previous_sibling().name(), "w:tbl");
    EXPECT_STREQ(between.tables().at(1).parent().name(), "w:body");
    EXPECT_STREQ(between.tables().at(1).next_sibling().name(), "w:p");
}

TEST(DocxReport, TemplateThatLacksWhatTheReportNeedsSaysWhat) {
    const ReportContent content = sampleContent(CaseMode::Xyz, 1);
    const std::string prefix = std::string(kLabel) + " cannot be used: it has ";
    const struct {
        std::function<void(std::string&)> edit;
        std::string missing;
    } cases[] = {
        {[](std::string& x) { replaceAll(x, "w:name=\"xyz\"", "w:name=\"other\""); },
         "no bookmark \"xyz\" for the drawing."},
        {[](std::string& x) { replaceAll(x, "<w:bookmark(Start|End) w:id=\"[01]\"[^>]*/>", ""); },
         "no bookmark \"xyz\" for the drawing and no bookmark \"dat\" for the points."},
        {[](std::string& x) { replaceAll(x, "<w:tbl>.*</w:tbl>", ""); }, "no table for the case."},
        {[](std::string& x) {
             replaceAll(x, "<w:tr><w:trPr><w:trHeight w:val=\"1400\"/>.*?</w:tr>", "");
         },
         "no cell (8, 1) in its first table."},
        {[](std::string& x) {
             replaceAll(x, "<w:tr>.*?</w:tr>", "");
             replaceAll(x, "w:name=\"dat\"", "w:name=\"data\"");
         },
         "no cell (1, 2) in its first table, no cell (2, 2) in its first table, no cell (3, 2) in "
         "its "
         "first table, no cell (4, 2) in its first table, no cell (5, 2) in its first table, no "
         "cell "
         "(6, 2) in its first table, no cell (8, 1) in its first table and no bookmark \"dat\" for "
         "the "
         "points."},
    };
    for (const auto& t : cases)
        EXPECT_EQ(buildError(content, editedTemplate(t.edit)), prefix + t.missing);
}

TEST(DocxReport, DamagedTemplatesAreNamedAsSuch) {
    const ReportContent content = sampleContent(CaseMode::Xyz, 1);
    Bytes cut = shippedTemplate();
    cut.resize(cut.size() / 2);
    OpcPackage sheet = OpcPackage::read(shippedTemplate(), "template");
    sheet.setContentTypeOverride(
        "word/document.xml",
        "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    const struct {
        Bytes templ;
        std::string message;
    } cases[] = {
        {Bytes{'h', 'e', 'l', 'l', 'o'},
         " is damaged: it is not a ZIP package (Not a zip archive)."},
        {cut, " is damaged: it is not a ZIP package"},
        {editedTemplate([](std::string& x) { x.resize(x.size() / 2); }),
         " is damaged: its part \"word/document.xml\" is not valid XML"},
        {editedTemplate([](std::string& x) { replaceAll(x, "w:body", "w:bod"); }),
         " is not a Word document: its part \"word/document.xml\" holds no document body."},
        {sheet.zipBytes(),
         " is not a Word template: its main part is of the type "
         "\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"."},
    };
    for (const auto& t : cases) {
        const std::string message = buildError(content, t.templ);
        EXPECT_EQ(message.rfind(std::string(kLabel) + t.message, 0), 0u) << message;
    }
}

TEST(DocxReport, ProgressAdvancesOncePerRowAndEndsAtTheLastStep) {
    const ReportContent content = sampleContent(CaseMode::Polar, 5);
    std::vector<std::pair<int, int>> calls;
    buildDocxReport(shippedTemplate(), kLabel, content,
                    [&](int step, int steps) { calls.emplace_back(step, steps); });
    ASSERT_EQ(docxReportSteps(content), 7 + 4);
    ASSERT_EQ(calls.size(), 7u + 5u);
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i], std::make_pair(static_cast<int>(i), 11));
}

} // namespace
} // namespace zorvane
