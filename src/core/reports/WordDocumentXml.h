#pragma once
// The main part of a Word document as XML, with the few edits a report makes: appending text
// to a cell of a table, an inline picture at a bookmark, a new table at a bookmark. Element
// names use whatever prefix the part binds to the WordprocessingML namespace.
#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

class WordDocumentXml {
  public:
    // Throws ReportError when the part is not XML or not a WordprocessingML document.
    WordDocumentXml(const std::string& xml, const std::string& label, std::string_view part);

    pugi::xml_node firstTable() const;
    // The `column`-th cell of the `row`-th row (both from 1), as Word counts them; or none.
    pugi::xml_node cell(pugi::xml_node table, int row, int column) const;
    // The start of the bookmark of that name (letter case ignored, as Word does); or none.
    pugi::xml_node bookmark(std::string_view name) const;

    // Appends the text to the cell's last paragraph, formatted like what ends it. '\n' breaks
    // the line, '\t' is a tab; characters XML cannot hold are dropped.
    void appendText(pugi::xml_node cell, std::string_view text);
    // An inline picture at the bookmark, `relationshipId` naming the image part; size in EMU.
    void insertPicture(pugi::xml_node bookmark, const std::string& relationshipId, std::int64_t cx,
                       std::int64_t cy);
    // A new empty table of `rows` × `columns` at the bookmark, filling the text width, its
    // first row a heading row repeated on every page. Returns it; fill it with appendText.
    pugi::xml_node insertTable(pugi::xml_node bookmark, int rows, int columns);
    // The rows of a table, in order.
    std::vector<pugi::xml_node> rows(pugi::xml_node table) const;
    std::vector<pugi::xml_node> cells(pugi::xml_node row) const;

    // Width and height of the page's text area, in twentieths of a point (twips).
    std::int64_t textWidth() const;
    std::int64_t textHeight() const;

    std::string save() const;

  private:
    std::string w(std::string_view local) const { return w_ + std::string(local); }
    bool is(const pugi::xml_node& node, std::string_view local) const;
    pugi::xml_node body() const;
    pugi::xml_node sectionProperties() const;
    std::int64_t pageValue(std::string_view element, std::string_view attribute,
                           std::int64_t fallback) const;
    pugi::xml_node enclosing(pugi::xml_node node, std::string_view local) const;
    pugi::xml_node blockLevel(pugi::xml_node node) const;
    void appendRunContent(pugi::xml_node run, std::string_view text);
    void declare(pugi::xml_node node, std::string_view prefix, std::string_view uri);
    std::uint32_t nextDrawingId() const;
    void addCellParagraph(pugi::xml_node cell);

    pugi::xml_document doc_;
    std::string w_; // "w:" mostly
};

} // namespace zorvane
