#include "reports/WordDocumentXml.h"

#include "reports/ReportError.h"
#include "reports/XmlPart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>

namespace zorvane {
namespace {

constexpr const char* kWordNs = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr const char* kRelNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kDrawingNs =
    "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
constexpr const char* kDrawingMainNs = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr const char* kPictureNs = "http://schemas.openxmlformats.org/drawingml/2006/picture";

// A4 with 2 cm margins, for a template that does not say.
constexpr std::int64_t kDefaultTextWidth = 11906 - 2 * 1134;
constexpr std::int64_t kDefaultTextHeight = 16838 - 2 * 1134;

constexpr const char* kBorderColour = "8EA0C0";
constexpr const char* kHeadingFill = "E8ECF4";
constexpr const char* kStripeFill = "F6F8FB";

// Relative column widths: the grid's own proportions, the number column a little wider so
// that its title fits.
std::vector<int> columnWeights(int columns) {
    if (columns == 5) return {60, 90, 90, 90, 145};
    if (columns == 7) return {56, 64, 64, 64, 64, 72, 106};
    return std::vector<int>(static_cast<std::size_t>(std::max(columns, 0)), 1);
}

bool equalsAsciiIgnoreCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
    });
}

void setAttr(pugi::xml_node node, const char* name, const std::string& value) {
    node.append_attribute(name) = value.c_str();
}

} // namespace

WordDocumentXml::WordDocumentXml(const std::string& xml, const std::string& label,
                                 std::string_view part) {
    loadXmlPart(doc_, xml, label, part);
    if (!findPrefix(doc_.document_element(), kWordNs, w_) ||
        localName(doc_.document_element()) != "document" || !body())
        throw ReportError(label + " is not a Word document: its part \"" + std::string(part) +
                          "\" holds no document body.");
}

std::string WordDocumentXml::save() const {
    return saveXmlPart(doc_);
}

bool WordDocumentXml::is(const pugi::xml_node& node, std::string_view local) const {
    const std::string_view name = node.name();
    return name.size() == w_.size() + local.size() && name.starts_with(w_) && name.ends_with(local);
}

pugi::xml_node WordDocumentXml::body() const {
    return doc_.document_element().child(w("body").c_str());
}

pugi::xml_node WordDocumentXml::firstTable() const {
    return body().find_node([this](const pugi::xml_node& n) { return is(n, "tbl"); });
}

std::vector<pugi::xml_node> WordDocumentXml::rows(pugi::xml_node table) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node r : table.children())
        if (is(r, "tr")) out.push_back(r);
    return out;
}

std::vector<pugi::xml_node> WordDocumentXml::cells(pugi::xml_node row) const {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c : row.children())
        if (is(c, "tc")) out.push_back(c);
    return out;
}

pugi::xml_node WordDocumentXml::cell(pugi::xml_node table, int row, int column) const {
    if (!table || row < 1 || column < 1) return {};
    const auto rs = rows(table);
    if (static_cast<std::size_t>(row) > rs.size()) return {};
    const auto cs = cells(rs[static_cast<std::size_t>(row - 1)]);
    if (static_cast<std::size_t>(column) > cs.size()) return {};
    return cs[static_cast<std::size_t>(column - 1)];
}

pugi::xml_node WordDocumentXml::bookmark(std::string_view name) const {
    const std::string attr = w("name");
    return body().find_node([&](const pugi::xml_node& n) {
        return is(n, "bookmarkStart") &&
               equalsAsciiIgnoreCase(n.attribute(attr.c_str()).value(), name);
    });
}

pugi::xml_node WordDocumentXml::enclosing(pugi::xml_node node, std::string_view local) const {
    for (pugi::xml_node n = node.parent(); n; n = n.parent())
        if (is(n, local)) return n;
    return {};
}

// A bookmark outside any paragraph may sit between the rows of a table; what goes there goes
// after that table.
pugi::xml_node WordDocumentXml::blockLevel(pugi::xml_node node) const {
    while (is(node.parent(), "tr") || is(node.parent(), "tbl")) node = node.parent();
    return node;
}

void WordDocumentXml::appendRunContent(pugi::xml_node run, std::string_view text) {
    const std::string safe = xmlSafeText(text);
    std::size_t start = 0;
    while (start <= safe.size()) {
        const std::size_t end = std::min(safe.find_first_of("\n\t", start), safe.size());
        if (end > start) {
            pugi::xml_node t = run.append_child(w("t").c_str());
            t.append_attribute("xml:space") = "preserve";
            t.text().set(safe.substr(start, end - start).c_str());
        }
        if (end == safe.size()) break;
        run.append_child(w(safe[end] == '\n' ? "br" : "tab").c_str());
        start = end + 1;
    }
}

void WordDocumentXml::appendText(pugi::xml_node cell, std::string_view text) {
    if (text.empty()) return;
    pugi::xml_node paragraph;
    for (pugi::xml_node n : cell.children())
        if (is(n, "p")) paragraph = n;
    if (!paragraph) paragraph = cell.append_child(w("p").c_str());

    // New text looks like the text it follows, or like the paragraph mark of an empty one.
    pugi::xml_node format;
    for (pugi::xml_node n : paragraph.children())
        if (is(n, "r") && n.child(w("rPr").c_str()))
            format = n.child(w("rPr").c_str());
        else if (is(n, "r"))
            format = {};
    pugi::xml_node run = paragraph.append_child(w("r").c_str());
    if (format) {
        run.append_copy(format);
    } else if (pugi::xml_node mark = paragraph.child(w("pPr").c_str()).child(w("rPr").c_str())) {
        pugi::xml_node props = run.append_copy(mark);
        // Revision marks of the paragraph mark do not belong to a run.
        for (const char* local : {"ins", "del", "moveFrom", "moveTo", "rPrChange"})
            while (pugi::xml_node x = props.child(w(local).c_str())) props.remove_child(x);
    }
    appendRunContent(run, text);
}

void WordDocumentXml::declare(pugi::xml_node node, std::string_view prefix, std::string_view uri) {
    pugi::xml_node root = doc_.document_element();
    const std::string attr = "xmlns:" + std::string(prefix);
    pugi::xml_attribute bound = root.attribute(attr.c_str());
    if (bound && bound.value() == uri) return;
    // Declared once at the root like Office does, unless the root uses that prefix otherwise.
    if (!bound)
        root.append_attribute(attr.c_str()) = std::string(uri).c_str();
    else
        node.append_attribute(attr.c_str()) = std::string(uri).c_str();
}

std::uint32_t WordDocumentXml::nextDrawingId() const {
    std::uint32_t highest = 0;
    body().find_node([&](const pugi::xml_node& n) {
        if (localName(n) == "docPr") highest = std::max(highest, n.attribute("id").as_uint());
        return false;
    });
    return highest + 1;
}

void WordDocumentXml::insertPicture(pugi::xml_node bookmark, const std::string& relationshipId,
                                    std::int64_t cx, std::int64_t cy) {
    pugi::xml_node run;
    if (enclosing(bookmark, "p")) {
        run = bookmark.parent().insert_child_after(w("r").c_str(), bookmark);
    } else {
        const pugi::xml_node block = blockLevel(bookmark);
        pugi::xml_node p = block.parent().insert_child_after(w("p").c_str(), block);
        run = p.append_child(w("r").c_str());
    }
    const std::uint32_t id = nextDrawingId();
    const std::string width = std::to_string(cx), height = std::to_string(cy);

    pugi::xml_node inline_ = run.append_child(w("drawing").c_str()).append_child("wp:inline");
    declare(inline_, "wp", kDrawingNs);
    for (const char* side : {"distT", "distB", "distL", "distR"})
        inline_.append_attribute(side) = "0";
    pugi::xml_node extent = inline_.append_child("wp:extent");
    setAttr(extent, "cx", width);
    setAttr(extent, "cy", height);
    pugi::xml_node effect = inline_.append_child("wp:effectExtent");
    for (const char* side : {"l", "t", "r", "b"}) effect.append_attribute(side) = "0";
    pugi::xml_node docPr = inline_.append_child("wp:docPr");
    setAttr(docPr, "id", std::to_string(id));
    setAttr(docPr, "name", "Drawing " + std::to_string(id));
    docPr.append_attribute("descr") = "Plan of the case";
    pugi::xml_node locks =
        inline_.append_child("wp:cNvGraphicFramePr").append_child("a:graphicFrameLocks");
    declare(locks, "a", kDrawingMainNs);
    locks.append_attribute("noChangeAspect") = "1";

    pugi::xml_node data = inline_.append_child("a:graphic").append_child("a:graphicData");
    data.append_attribute("uri") = kPictureNs;
    pugi::xml_node pic = data.append_child("pic:pic");
    declare(pic, "pic", kPictureNs);
    pugi::xml_node nv = pic.append_child("pic:nvPicPr");
    pugi::xml_node cNvPr = nv.append_child("pic:cNvPr");
    cNvPr.append_attribute("id") = "0";
    cNvPr.append_attribute("name") = "drawing.png";
    nv.append_child("pic:cNvPicPr");
    pugi::xml_node fill = pic.append_child("pic:blipFill");
    pugi::xml_node blip = fill.append_child("a:blip");
    declare(blip, "r", kRelNs);
    setAttr(blip, "r:embed", relationshipId);
    fill.append_child("a:stretch").append_child("a:fillRect");
    pugi::xml_node sp = pic.append_child("pic:spPr");
    pugi::xml_node xfrm = sp.append_child("a:xfrm");
    pugi::xml_node off = xfrm.append_child("a:off");
    off.append_attribute("x") = "0";
    off.append_attribute("y") = "0";
    pugi::xml_node ext = xfrm.append_child("a:ext");
    setAttr(ext, "cx", width);
    setAttr(ext, "cy", height);
    pugi::xml_node geometry = sp.append_child("a:prstGeom");
    geometry.append_attribute("prst") = "rect";
    geometry.append_child("a:avLst");
}

void WordDocumentXml::addCellParagraph(pugi::xml_node cell) {
    pugi::xml_node spacing = cell.append_child(w("p").c_str())
                                 .append_child(w("pPr").c_str())
                                 .append_child(w("spacing").c_str());
    setAttr(spacing, w("before").c_str(), "20");
    setAttr(spacing, w("after").c_str(), "20");
    setAttr(spacing, w("line").c_str(), "240");
    setAttr(spacing, w("lineRule").c_str(), "auto");
}

pugi::xml_node WordDocumentXml::insertTable(pugi::xml_node bookmark, int rowCount, int columns) {
    // The table stands beside the bookmark's paragraph: before it when that paragraph holds
    // nothing else (it then closes the table, as a table needs a paragraph after it), else after.
    pugi::xml_node anchor = enclosing(bookmark, "p");
    bool before = false;
    if (anchor) {
        before = !anchor.find_node([this](const pugi::xml_node& n) { return is(n, "r"); });
    } else {
        anchor = blockLevel(bookmark);
    }
    pugi::xml_node parent = anchor.parent();
    pugi::xml_node table = before ? parent.insert_child_before(w("tbl").c_str(), anchor)
                                  : parent.insert_child_after(w("tbl").c_str(), anchor);
    if (!before && !is(table.next_sibling(), "p")) parent.insert_child_after(w("p").c_str(), table);

    const std::vector<int> weights = columnWeights(columns);
    const int total = std::accumulate(weights.begin(), weights.end(), 0);
    const std::int64_t width = textWidth();
    std::vector<std::string> widths;
    std::int64_t used = 0;
    for (std::size_t c = 0; c < weights.size(); ++c) {
        const std::int64_t cw =
            c + 1 == weights.size() ? width - used : width * weights[c] / std::max(total, 1);
        used += cw;
        widths.push_back(std::to_string(cw));
    }

    pugi::xml_node props = table.append_child(w("tblPr").c_str());
    pugi::xml_node tblW = props.append_child(w("tblW").c_str());
    setAttr(tblW, w("w").c_str(), std::to_string(width));
    setAttr(tblW, w("type").c_str(), "dxa");
    pugi::xml_node borders = props.append_child(w("tblBorders").c_str());
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
        pugi::xml_node b = borders.append_child(w(side).c_str());
        setAttr(b, w("val").c_str(), "single");
        setAttr(b, w("sz").c_str(), "4");
        setAttr(b, w("space").c_str(), "0");
        setAttr(b, w("color").c_str(), kBorderColour);
    }
    setAttr(props.append_child(w("tblLayout").c_str()), w("type").c_str(), "fixed");
    pugi::xml_node grid = table.append_child(w("tblGrid").c_str());
    for (const auto& cw : widths)
        setAttr(grid.append_child(w("gridCol").c_str()), w("w").c_str(), cw);

    for (int r = 0; r < rowCount; ++r) {
        pugi::xml_node row = table.append_child(w("tr").c_str());
        pugi::xml_node rowProps = row.append_child(w("trPr").c_str());
        rowProps.append_child(w("cantSplit").c_str());
        if (r == 0) rowProps.append_child(w("tblHeader").c_str());
        const char* fill = r == 0 ? kHeadingFill : (r % 2 == 0 ? kStripeFill : nullptr);
        for (int c = 0; c < columns; ++c) {
            pugi::xml_node cell = row.append_child(w("tc").c_str());
            pugi::xml_node cellProps = cell.append_child(w("tcPr").c_str());
            pugi::xml_node tcW = cellProps.append_child(w("tcW").c_str());
            setAttr(tcW, w("w").c_str(), widths[static_cast<std::size_t>(c)]);
            setAttr(tcW, w("type").c_str(), "dxa");
            if (fill) {
                pugi::xml_node shd = cellProps.append_child(w("shd").c_str());
                setAttr(shd, w("val").c_str(), "clear");
                setAttr(shd, w("color").c_str(), "auto");
                setAttr(shd, w("fill").c_str(), fill);
            }
            addCellParagraph(cell);
            if (r == 0)
                cell.child(w("p").c_str())
                    .child(w("pPr").c_str())
                    .append_child(w("rPr").c_str())
                    .append_child(w("b").c_str());
        }
    }
    return table;
}

pugi::xml_node WordDocumentXml::sectionProperties() const {
    return body().child(w("sectPr").c_str());
}

std::int64_t WordDocumentXml::pageValue(std::string_view element, std::string_view attribute,
                                        std::int64_t fallback) const {
    const std::string_view text =
        sectionProperties().child(w(element).c_str()).attribute(w(attribute).c_str()).value();
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Negative margins only forbid the text to move; their size counts all the same.
    if (ec != std::errc() || end != text.data() + text.size() || value < -31680 || value > 31680)
        return fallback;
    return value < 0 ? -value : value;
}

std::int64_t WordDocumentXml::textWidth() const {
    const std::int64_t page = pageValue("pgSz", "w", 0);
    const std::int64_t width =
        page - pageValue("pgMar", "left", 1134) - pageValue("pgMar", "right", 1134);
    return page > 0 && width >= 720 ? width : kDefaultTextWidth;
}

std::int64_t WordDocumentXml::textHeight() const {
    const std::int64_t page = pageValue("pgSz", "h", 0);
    const std::int64_t height =
        page - pageValue("pgMar", "top", 1134) - pageValue("pgMar", "bottom", 1134);
    return page > 0 && height >= 720 ? height : kDefaultTextHeight;
}

} // namespace zorvane
