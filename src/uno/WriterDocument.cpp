#include "uno/WriterDocument.h"

#include "reports/PointTableOdt.h"
#include "reports/ReportError.h"
#include "reports/XmlPart.h"
#include "uno/UnoText.h"
#include "uno/WriterReport.h"

#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/XDocumentInsertable.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/graphic/XGraphicProvider.hpp>
#include <com/sun/star/io/SequenceInputStream.hpp>
#include <com/sun/star/io/XInputStream.hpp>
#include <com/sun/star/io/XSeekableInputStream.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <algorithm>

namespace zorvane::uno {

namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

constexpr sal_Int32 kA4TextWidth = 17000;
constexpr sal_Int32 kA4TextHeight = 25700;

css::beans::PropertyValue property(const char* name, const Any& value) {
    css::beans::PropertyValue p;
    p.Name = rtl::OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

Sequence<css::beans::PropertyValue>
properties(std::initializer_list<css::beans::PropertyValue> list) {
    return Sequence<css::beans::PropertyValue>(list.begin(), static_cast<sal_Int32>(list.size()));
}

// "no a, no b and no c"
std::string missingList(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? " and " : ", ";
        out += items[i];
    }
    return out;
}

} // namespace

WriterDocument::WriterDocument(const Reference<css::uno::XComponentContext>& office,
                               const std::string& templateUrl, const std::string& label)
    : office_(office), label_(label) {
    const Reference<css::frame::XDesktop2> desktop = css::frame::Desktop::create(office_);
    // Hidden from the start: the user sees the report once it is whole.
    const auto load = properties({property("Hidden", Any(true))});
    const Reference<css::lang::XComponent> component =
        desktop->loadComponentFromURL(toOUString(templateUrl), "_blank", 0, load);
    if (!component.is()) throw ReportError(label_ + " could not be opened by LibreOffice.");
    doc_.set(component, UNO_QUERY);
    if (!doc_.is()) {
        Reference<css::util::XCloseable> closeable(component, UNO_QUERY);
        if (closeable.is()) closeable->close(true);
        throw ReportError(label_ + " is not a Writer template.");
    }
    // Nothing is laid out while the report is filled: a long table of points would be laid
    // out again with every change.
    Reference<css::frame::XModel>(doc_, UNO_QUERY_THROW)->lockControllers();
    locked_ = true;
}

void WriterDocument::unlock() {
    if (!locked_) return;
    locked_ = false;
    Reference<css::frame::XModel>(doc_, UNO_QUERY_THROW)->unlockControllers();
}

WriterDocument::~WriterDocument() {
    if (handedOn_) return;
    try {
        close();
    } catch (...) { // the office went away meanwhile: nothing is left to close
    }
}

void WriterDocument::close() {
    handedOn_ = true;
    const Reference<css::util::XCloseable> closeable(doc_, UNO_QUERY);
    if (closeable.is()) {
        closeable->close(true);
        return;
    }
    const Reference<css::lang::XComponent> component(doc_, UNO_QUERY);
    if (component.is()) component->dispose();
}

Reference<css::text::XTextTable> WriterDocument::caseTable() const {
    const Reference<css::text::XTextTablesSupplier> supplier(doc_, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> tables(supplier->getTextTables(),
                                                         UNO_QUERY_THROW);
    if (tables->getCount() == 0) return {};
    return Reference<css::text::XTextTable>(tables->getByIndex(0), UNO_QUERY);
}

sal_Int32 WriterDocument::bookmarkCount() const {
    const Reference<css::text::XBookmarksSupplier> supplier(doc_, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> marks(supplier->getBookmarks(), UNO_QUERY_THROW);
    return marks->getCount();
}

Reference<css::text::XTextRange> WriterDocument::bookmarkAnchor(sal_Int32 index) const {
    const Reference<css::text::XBookmarksSupplier> supplier(doc_, UNO_QUERY_THROW);
    const Reference<css::container::XIndexAccess> marks(supplier->getBookmarks(), UNO_QUERY_THROW);
    return Reference<css::text::XTextContent>(marks->getByIndex(index), UNO_QUERY_THROW)
        ->getAnchor();
}

void WriterDocument::checkTemplate(const std::vector<ReportCell>& cells) const {
    std::vector<std::string> missing;
    const Reference<css::text::XTextTable> table = caseTable();
    if (!table.is()) missing.push_back("no table for the case");
    for (const ReportCell& c : cells) {
        const std::string name = reportCellName(c.row, c.column);
        if (table.is() && !table->getCellByName(toOUString(name)).is())
            missing.push_back("no cell \"" + name + "\" in its first table");
    }
    const sal_Int32 marks = bookmarkCount();
    if (marks == 0) missing.push_back("no bookmark for the drawing nor for the points");
    if (marks == 1) missing.push_back("no second bookmark for the points");
    if (!missing.empty())
        throw ReportError(label_ + " cannot be used: it has " + missingList(missing) + ".");
}

void WriterDocument::fillCaseTable(const std::vector<ReportCell>& cells) {
    const Reference<css::text::XTextTable> table = caseTable();
    for (const ReportCell& c : cells) {
        const Reference<css::text::XText> text(
            table->getCellByName(toOUString(reportCellName(c.row, c.column))), UNO_QUERY_THROW);
        text->setString(toOUString(xmlSafeText(c.text)));
    }
}

// The page's text area of the default page style, in 1/100 mm.
std::pair<sal_Int32, sal_Int32> WriterDocument::textArea() const {
    try {
        const Reference<css::style::XStyleFamiliesSupplier> supplier(doc_, UNO_QUERY_THROW);
        const Reference<css::container::XNameAccess> pages(
            supplier->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
        const Reference<css::beans::XPropertySet> page(pages->getByName("Standard"),
                                                       UNO_QUERY_THROW);
        const auto value = [&](const char* name) {
            return page->getPropertyValue(rtl::OUString::createFromAscii(name)).get<sal_Int32>();
        };
        return {value("Width") - value("LeftMargin") - value("RightMargin"),
                value("Height") - value("TopMargin") - value("BottomMargin")};
    } catch (const css::uno::Exception&) {
        return {kA4TextWidth, kA4TextHeight}; // a template without the default page style
    }
}

// What the paragraph at `at` takes from the text width: indents, borders and their distances.
sal_Int32 WriterDocument::paragraphFrame(const Reference<css::text::XTextRange>& at) const {
    const Reference<css::beans::XPropertySet> paragraph(at, UNO_QUERY);
    if (!paragraph.is()) return 0;
    sal_Int32 taken = 0;
    for (const char* name :
         {"ParaLeftMargin", "ParaRightMargin", "LeftBorderDistance", "RightBorderDistance"}) {
        sal_Int32 v = 0;
        if (paragraph->getPropertyValue(rtl::OUString::createFromAscii(name)) >>= v) taken += v;
    }
    for (const char* name : {"LeftBorder", "RightBorder"}) {
        css::table::BorderLine2 line;
        if (paragraph->getPropertyValue(rtl::OUString::createFromAscii(name)) >>= line)
            taken += static_cast<sal_Int32>(line.LineWidth);
    }
    return taken;
}

void WriterDocument::insertPicture(const ReportPicture& drawing) {
    // The PNG crosses the bridge once; the office keeps it as it is, where a bitmap file
    // would make every saved report a megabyte larger.
    const Sequence<sal_Int8> png(reinterpret_cast<const sal_Int8*>(drawing.png.data()),
                                 static_cast<sal_Int32>(drawing.png.size()));
    const Reference<css::io::XInputStream> stream(
        css::io::SequenceInputStream::createStreamFromSequence(office_, png), UNO_QUERY_THROW);
    const Reference<css::graphic::XGraphicProvider> provider =
        css::graphic::GraphicProvider::create(office_);
    const auto source = properties({property("InputStream", Any(stream))});
    const Reference<css::graphic::XGraphic> graphic = provider->queryGraphic(source);
    if (!graphic.is()) throw ReportError("LibreOffice could not read the picture of the drawing.");

    const Reference<css::lang::XMultiServiceFactory> factory(doc_, UNO_QUERY_THROW);
    const Reference<css::text::XTextContent> picture(
        factory->createInstance("com.sun.star.text.TextGraphicObject"), UNO_QUERY_THROW);
    const Reference<css::beans::XPropertySet> props(picture, UNO_QUERY_THROW);
    const Reference<css::text::XTextRange> anchor = bookmarkAnchor(0);
    const auto [textWidth, textHeight] = textArea();
    const auto [w, h] = fittedPictureSize(drawing.width, drawing.height,
                                          textWidth - paragraphFrame(anchor), textHeight * 0.9);
    props->setPropertyValue("Graphic", Any(graphic));
    props->setPropertyValue("AnchorType", Any(css::text::TextContentAnchorType_AS_CHARACTER));
    props->setPropertyValue("Width", Any(static_cast<sal_Int32>(std::max(1.0, w))));
    props->setPropertyValue("Height", Any(static_cast<sal_Int32>(std::max(1.0, h))));
    anchor->getText()->insertTextContent(anchor, picture, false);
}

// The new table is "tb5" whatever the template holds: a table of that name in the template
// gives its name up.
void WriterDocument::freePointTableName() {
    const Reference<css::text::XTextTablesSupplier> supplier(doc_, UNO_QUERY_THROW);
    const Reference<css::container::XNameAccess> tables = supplier->getTextTables();
    const rtl::OUString wanted = toOUString(kPointTableName);
    if (!tables->hasByName(wanted)) return;
    std::string name;
    for (int n = 1; name.empty() || tables->hasByName(toOUString(name)); ++n)
        name = std::string(kPointTableName) + "_template" + (n > 1 ? std::to_string(n) : "");
    Reference<css::container::XNamed>(tables->getByName(wanted), UNO_QUERY_THROW)
        ->setName(toOUString(name));
}

void WriterDocument::insertPointTable(const ReportContent& content) {
    if (content.grid.empty()) return; // a grid always has its titles and its empty row
    // The office inserts a prepared table in one go; filled and styled cell by cell through
    // the table's interface, a case of a thousand points took minutes.
    const std::vector<std::uint8_t> odt = pointTableOdt(content);
    const Sequence<sal_Int8> bytes(reinterpret_cast<const sal_Int8*>(odt.data()),
                                   static_cast<sal_Int32>(odt.size()));
    const Reference<css::io::XInputStream> stream(
        css::io::SequenceInputStream::createStreamFromSequence(office_, bytes), UNO_QUERY_THROW);
    freePointTableName();
    const Reference<css::text::XTextRange> anchor = bookmarkAnchor(1);
    const Reference<css::text::XTextCursor> cursor =
        anchor->getText()->createTextCursorByRange(anchor);
    Reference<css::document::XDocumentInsertable>(cursor, UNO_QUERY_THROW)
        ->insertDocumentFromURL(
            "private:stream", properties({property("InputStream", Any(stream)),
                                          property("FilterName", Any(rtl::OUString("writer8")))}));
    checkPointTable(content);
}

// The office says nothing when it cannot read what it is given to insert.
void WriterDocument::checkPointTable(const ReportContent& content) const {
    const Reference<css::text::XTextTablesSupplier> supplier(doc_, UNO_QUERY_THROW);
    const Reference<css::container::XNameAccess> tables = supplier->getTextTables();
    const rtl::OUString name = toOUString(kPointTableName);
    const Reference<css::text::XTextTable> table(
        tables->hasByName(name) ? tables->getByName(name) : Any(), UNO_QUERY);
    if (!table.is() ||
        table->getRows()->getCount() != static_cast<sal_Int32>(content.grid.size()) ||
        table->getColumns()->getCount() != content.columns)
        throw ReportError("LibreOffice did not insert the table of the points.");
}

void WriterDocument::show() {
    unlock();
    const Reference<css::frame::XModel> model(doc_, UNO_QUERY_THROW);
    const Reference<css::awt::XWindow> window =
        model->getCurrentController()->getFrame()->getContainerWindow();
    window->setVisible(true);
    handedOn_ = true;
    const Reference<css::awt::XTopWindow> top(window, UNO_QUERY);
    if (top.is()) top->toFront();
}

void WriterDocument::storeAndClose(const std::string& odtUrl, const std::string& pdfUrl) {
    unlock();
    const Reference<css::frame::XStorable> storable(doc_, UNO_QUERY_THROW);
    storable->storeToURL(toOUString(odtUrl),
                         properties({property("FilterName", Any(rtl::OUString("writer8")))}));
    storable->storeToURL(
        toOUString(pdfUrl),
        properties({property("FilterName", Any(rtl::OUString("writer_pdf_Export")))}));
    close();
}

} // namespace zorvane::uno
