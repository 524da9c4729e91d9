#include "reports/PointTableOdt.h"

#include "reports/XmlPart.h"
#include "reports/ZipArchive.h"

#include <pugixml.hpp>

#include <sstream>

namespace zorvane {

namespace {

constexpr const char* kMimeType = "application/vnd.oasis.opendocument.text";
constexpr const char* kHeading = "Table_20_Heading";
constexpr const char* kContents = "Table_20_Contents";
constexpr const char* kAfter = "After_20_Table";
constexpr const char* kBorder = "0.5pt solid #8ea0c0"; // the Word report's table look
constexpr const char* kHeadingFill = "#e8ecf4";
constexpr const char* kCellPadding = "0.19cm";

const std::pair<const char*, const char*> kNamespaces[] = {
    {"xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"xmlns:style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"xmlns:text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"xmlns:table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
    {"xmlns:fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
};

pugi::xml_node root(pugi::xml_document& doc, const char* name) {
    pugi::xml_node r = doc.append_child(name);
    for (const auto& [attribute, uri] : kNamespaces) r.append_attribute(attribute) = uri;
    r.append_attribute("office:version") = "1.3";
    return r;
}

std::string text(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}

void cellStyle(pugi::xml_node styles, const char* name, bool heading) {
    pugi::xml_node style = styles.append_child("style:style");
    style.append_attribute("style:name") = name;
    style.append_attribute("style:family") = "table-cell";
    pugi::xml_node props = style.append_child("style:table-cell-properties");
    if (heading) props.append_attribute("fo:background-color") = kHeadingFill;
    props.append_attribute("fo:padding-left") = kCellPadding;
    props.append_attribute("fo:padding-right") = kCellPadding;
    props.append_attribute("fo:padding-top") = "0cm";
    props.append_attribute("fo:padding-bottom") = "0cm";
    props.append_attribute("fo:border") = kBorder;
}

void automaticStyles(pugi::xml_node r) {
    pugi::xml_node styles = r.append_child("office:automatic-styles");
    pugi::xml_node table = styles.append_child("style:style");
    table.append_attribute("style:name") = "tb5";
    table.append_attribute("style:family") = "table";
    pugi::xml_node props = table.append_child("style:table-properties");
    props.append_attribute("style:rel-width") = "100%";
    props.append_attribute("table:align") = "margins";
    props.append_attribute("table:border-model") = "collapsing";
    cellStyle(styles, "tb5.H", true);
    cellStyle(styles, "tb5.C", false);
}

// Spaces an office would fold together or drop (at either end, or several in a row) are
// written as text:s; tabs and line breaks as their elements.
void appendText(pugi::xml_node paragraph, std::string_view utf8) {
    const std::string safe = xmlSafeText(utf8);
    std::string run;
    const auto flush = [&] {
        if (!run.empty()) paragraph.append_child(pugi::node_pcdata).set_value(run.c_str());
        run.clear();
    };
    for (std::size_t i = 0; i < safe.size();) {
        const char c = safe[i];
        if (c == '\n' || c == '\t') {
            flush();
            paragraph.append_child(c == '\n' ? "text:line-break" : "text:tab");
            ++i;
            continue;
        }
        if (c != ' ') {
            run.push_back(c);
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < safe.size() && safe[end] == ' ') ++end;
        const bool inside =
            !run.empty() && end < safe.size() && safe[end] != '\n' && safe[end] != '\t';
        if (inside && end - i == 1) {
            run.push_back(' ');
        } else {
            flush();
            pugi::xml_node s = paragraph.append_child("text:s");
            if (end - i > 1) s.append_attribute("text:c") = static_cast<unsigned>(end - i);
        }
        i = end;
    }
    flush();
}

void row(pugi::xml_node parent, const std::vector<std::string>& cells, bool heading) {
    pugi::xml_node tr = parent.append_child("table:table-row");
    for (const std::string& cell : cells) {
        pugi::xml_node tc = tr.append_child("table:table-cell");
        tc.append_attribute("table:style-name") = heading ? "tb5.H" : "tb5.C";
        tc.append_attribute("office:value-type") = "string";
        pugi::xml_node p = tc.append_child("text:p");
        p.append_attribute("text:style-name") = heading ? kHeading : kContents;
        appendText(p, cell);
    }
}

void paragraphStyle(pugi::xml_node styles, const char* name, const char* display,
                    const char* parent) {
    pugi::xml_node style = styles.append_child("style:style");
    style.append_attribute("style:name") = name;
    style.append_attribute("style:display-name") = display;
    style.append_attribute("style:family") = "paragraph";
    if (parent) style.append_attribute("style:parent-style-name") = parent;
}

std::string stylesXml() {
    pugi::xml_document doc;
    pugi::xml_node styles = root(doc, "office:document-styles").append_child("office:styles");
    paragraphStyle(styles, kContents, "Table Contents", nullptr);
    paragraphStyle(styles, kHeading, "Table Heading", kContents);
    paragraphStyle(styles, kAfter, "After Table", nullptr);
    return text(doc);
}

std::string manifestXml() {
    pugi::xml_document doc;
    pugi::xml_node m = doc.append_child("manifest:manifest");
    m.append_attribute("xmlns:manifest") = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
    m.append_attribute("manifest:version") = "1.3";
    for (const auto& [path, type] :
         {std::pair{"/", kMimeType}, {"content.xml", "text/xml"}, {"styles.xml", "text/xml"}}) {
        pugi::xml_node e = m.append_child("manifest:file-entry");
        e.append_attribute("manifest:full-path") = path;
        if (std::string_view(path) == "/") e.append_attribute("manifest:version") = "1.3";
        e.append_attribute("manifest:media-type") = type;
    }
    return text(doc);
}

} // namespace

std::string pointTableContentXml(const ReportContent& content) {
    pugi::xml_document doc;
    pugi::xml_node r = root(doc, "office:document-content");
    automaticStyles(r);
    pugi::xml_node body = r.append_child("office:body").append_child("office:text");
    pugi::xml_node table = body.append_child("table:table");
    table.append_attribute("table:name") = kPointTableName;
    table.append_attribute("table:style-name") = "tb5";
    table.append_child("table:table-column").append_attribute("table:number-columns-repeated") =
        content.columns;
    for (std::size_t r = 0; r < content.grid.size(); ++r)
        row(r == 0 ? table.append_child("table:table-header-rows") : table, content.grid[r],
            r == 0);
    // What follows the table where it goes in takes this paragraph's style.
    body.append_child("text:p").append_attribute("text:style-name") = kAfter;
    return text(doc);
}

std::vector<std::uint8_t> pointTableOdt(const ReportContent& content) {
    const std::string contentXml = pointTableContentXml(content);
    const std::string styles = stylesXml();
    const std::string manifest = manifestXml();
    // The package's type first and stored, where readers look for it.
    return zipArchive({{"mimetype", kMimeType, false},
                       {"content.xml", contentXml},
                       {"styles.xml", styles},
                       {"META-INF/manifest.xml", manifest}});
}

} // namespace zorvane
