#pragma once
// One Writer document made from the report template, held hidden until it is shown. A
// document that was neither shown nor handed on is closed when this goes.
#include "reports/ReportContent.h"

#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <string>
#include <vector>

namespace zorvane::uno {

class WriterDocument {
  public:
    // Loads a new, untitled document from the template, hidden. `label` names the template
    // in messages. Throws ReportError.
    WriterDocument(const css::uno::Reference<css::uno::XComponentContext>& office,
                   const std::string& templateUrl, const std::string& label);
    ~WriterDocument();
    WriterDocument(const WriterDocument&) = delete;
    WriterDocument& operator=(const WriterDocument&) = delete;

    // Throws ReportError naming everything the template lacks for these cells.
    void checkTemplate(const std::vector<ReportCell>& cells) const;
    // The case texts, each replacing what its cell of the first table held.
    void fillCaseTable(const std::vector<ReportCell>& cells);
    // The picture, as a character of the first bookmark's paragraph (it can never float over
    // what follows), as wide as the paragraph allows, embedded in the document as PNG.
    void insertPicture(const ReportPicture& picture);
    // The table "tb5" of the grid at the second bookmark, titles in its first row.
    void insertPointTable(const ReportContent& content);

    // Shows the document's window; from now on it is the user's.
    void show();
    // Stores the document as OpenDocument text and as PDF, then closes it.
    void storeAndClose(const std::string& odtUrl, const std::string& pdfUrl);

  private:
    css::uno::Reference<css::text::XTextTable> caseTable() const;
    css::uno::Reference<css::text::XTextRange> bookmarkAnchor(sal_Int32 index) const;
    sal_Int32 bookmarkCount() const;
    void freePointTableName();
    void checkPointTable(const ReportContent& content) const;
    std::pair<sal_Int32, sal_Int32> textArea() const;
    sal_Int32 paragraphFrame(const css::uno::Reference<css::text::XTextRange>& at) const;
    void unlock();
    void close();

    css::uno::Reference<css::uno::XComponentContext> office_;
    css::uno::Reference<css::text::XTextDocument> doc_;
    std::string label_;
    bool handedOn_ = false;
    bool locked_ = false;
};

} // namespace zorvane::uno
