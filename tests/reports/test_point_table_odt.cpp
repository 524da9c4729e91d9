#include "reports/PointTableOdt.h"

#include "ReportSamples.h"

#include <gtest/gtest.h>
#include <zip.h>

namespace zorvane {
namespace {

using namespace zorvane::testing;

// The text an office shows for a paragraph: text:s as spaces, tabs and line breaks.
std::string shown(pugi::xml_node p) {
    std::string out;
    for (pugi::xml_node n : p.children()) {
        const std::string name = n.name();
        if (n.type() == pugi::node_pcdata)
            out += n.value();
        else if (name == "text:s")
            out += std::string(n.attribute("text:c").as_uint(1), ' ');
        else if (name == "text:tab")
            out += '\t';
        else if (name == "text:line-break")
            out += '\n';
    }
    return out;
}

struct Table {
    pugi::xml_document doc;
    pugi::xml_node table;
    explicit Table(const ReportContent& content) {
        const std::string xml = pointTableContentXml(content);
        // As an ODF reader does: text nodes of blanks only are not kept.
        EXPECT_TRUE(doc.load_string(xml.c_str()));
        table = doc.select_node("//table:table").node();
    }
    std::vector<std::vector<std::string>> rows() const {
        std::vector<std::vector<std::string>> out;
        for (pugi::xpath_node r : table.select_nodes(".//table:table-row")) {
            out.emplace_back();
            for (pugi::xml_node c : r.node().children("table:table-cell"))
                out.back().push_back(shown(c.child("text:p")));
        }
        return out;
    }
};

TEST(PointTableOdt, TableOfTheGridNamedTb5WithItsTitlesAsHeading) {
    for (const CaseMode mode : {CaseMode::Xyz, CaseMode::Polar, CaseMode::Nesw}) {
        for (const int points : {0, 3}) {
            const ReportContent content = sampleContent(mode, points);
            const Table t(content);
            EXPECT_STREQ(t.table.attribute("table:name").value(), "tb5");
            EXPECT_EQ(t.table.child("table:table-column")
                          .attribute("table:number-columns-repeated")
                          .as_int(),
                      content.columns);
            EXPECT_EQ(t.rows(), content.grid);
            const pugi::xml_node heading = t.table.child("table:table-header-rows");
            EXPECT_EQ(std::distance(heading.children().begin(), heading.children().end()), 1);
            EXPECT_EQ(shown(heading.first_child().first_child().child("text:p")), "Number");
            EXPECT_STREQ(heading.first_child()
                             .first_child()
                             .child("text:p")
                             .attribute("text:style-name")
                             .value(),
                         "Table_20_Heading");
            // The paragraph after it takes on what follows the table where it goes in.
            EXPECT_STREQ(t.table.next_sibling().attribute("text:style-name").value(),
                         "After_20_Table");
        }
    }
}

TEST(PointTableOdt, TextsKeepEverySpaceAndBreak) {
    const std::string texts[] = {"  lead", "a  b",  "trail ", "x\ty", "l1\nl2",
                                 " ",      "<&\">", "a b c",  ""};
    ReportContent content;
    content.columns = 1;
    for (const std::string& t : texts) content.grid.push_back({t});
    content.grid.push_back({"ctl\x01\x1F!"}); // what XML cannot hold is dropped
    const Table t(content);
    auto rows = t.rows();
    ASSERT_EQ(rows.size(), std::size(texts) + 1);
    for (std::size_t i = 0; i < std::size(texts); ++i) EXPECT_EQ(rows[i][0], texts[i]);
    EXPECT_EQ(rows.back()[0], "ctl!");
    // A lone space between words stays text, as an office writes it.
    EXPECT_EQ(pointTableContentXml(content).find("a<text:s/>b"), std::string::npos);
}

TEST(PointTableOdt, PackageStartsWithItsTypeStored) {
    const std::vector<std::uint8_t> odt = pointTableOdt(sampleContent(CaseMode::Xyz, 2));
    const std::string head(odt.begin() + 30, odt.begin() + 38);
    EXPECT_EQ(head, "mimetype");
    EXPECT_EQ(odt[8] | odt[9] << 8, 0); // stored, not deflated
    const std::string type(odt.begin() + 38, odt.begin() + 38 + 39);
    EXPECT_EQ(type, "application/vnd.oasis.opendocument.text");

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(odt.data(), odt.size(), 0, &error);
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    ASSERT_NE(zip, nullptr);
    for (const char* part : {"content.xml", "styles.xml", "META-INF/manifest.xml"})
        EXPECT_GE(zip_name_locate(zip, part, 0), 0) << part;
    zip_discard(zip);
    zip_error_fini(&error);
}

} // namespace
} // namespace zorvane
