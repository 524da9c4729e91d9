#include "uno/WriterReport.h"

#include "reports/ReportError.h"
#include "reports/ReportFile.h"
#include "uno/OfficeConnection.h"
#include "uno/UnoText.h"
#include "uno/WriterDocument.h"

#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>

namespace zorvane {

namespace fs = std::filesystem;

namespace {

// Connect, open the template, fill the case table, the drawing, the points, show or store.
constexpr int kSteps = 6;

void checkFile(const fs::path& path, const std::string& label) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!fs::exists(status)) throw ReportError(label + " cannot be found.");
    if (!fs::is_regular_file(status)) throw ReportError(label + " is not a file.");
}

// The steps of the report, each named for the message when the office refuses it.
class ReportSteps {
  public:
    explicit ReportSteps(const ReportProgress& progress) : progress_(progress) {
        if (progress_) progress_(0, kSteps);
    }
    void start(const char* what) { what_ = what; }
    void done() {
        if (progress_) progress_(++step_, kSteps);
    }
    const char* what() const { return what_; }

  private:
    int step_ = 0;
    const ReportProgress& progress_;
    const char* what_ = "";
};

void makeReport(const uno::OfficeContext& office, const WriterReportRequest& request,
                const std::string& label, ReportSteps& steps) {
    const ReportContent& content = request.content;
    steps.start("opening the template");
    uno::WriterDocument doc(office, fileUrl(request.templatePath), label);
    doc.checkTemplate(content.caseCells);
    steps.done();
    steps.start("filling the case table");
    doc.fillCaseTable(content.caseCells);
    steps.done();
    steps.start("inserting the drawing");
    if (!content.drawing.empty()) doc.insertPicture(content.drawing);
    steps.done();
    steps.start("inserting the table of the points");
    doc.insertPointTable(content);
    steps.done();
    if (request.storeAs.empty()) {
        steps.start("showing the report");
        doc.show();
    } else {
        steps.start("storing the report");
        fs::path pdf = request.storeAs;
        doc.storeAndClose(fileUrl(request.storeAs), fileUrl(pdf.replace_extension(".pdf")));
    }
    steps.done();
}

} // namespace

std::string officeMissingMessage() {
    return "Open Office is not installed on your computer. For more information, visit "
           "https://www.libreoffice.org.";
}

void createWriterReport(const OfficeSettings& office, const WriterReportRequest& request,
                        const ReportProgress& progress) {
    const std::string label = "The report template \"" + request.templatePath.string() + "\"";
    ReportSteps steps(progress);
    checkFile(request.templatePath, label);
    steps.start("connecting to LibreOffice");
    const uno::OfficeContext context = uno::connectOffice(office);
    steps.done();
    try {
        makeReport(context, request, label, steps);
    } catch (const css::lang::DisposedException&) {
        throw ReportError("LibreOffice was closed while it was " + std::string(steps.what()) +
                          ", so the report was not made.");
    } catch (const css::uno::Exception& e) {
        throw ReportError("LibreOffice could not make the report: " + uno::reasonOf(e) +
                          " (while " + steps.what() + ").");
    }
}

void endBatchOffice(const OfficeSettings& office) {
    try {
        if (const uno::OfficeContext context = uno::reachOffice(office); context.is())
            css::frame::Desktop::create(context)->terminate();
    } catch (const css::lang::DisposedException&) { // it went while answering: it is gone
    } catch (const css::uno::Exception& e) {
        throw ReportError("LibreOffice could not be ended: " + uno::reasonOf(e) + ".");
    }
}

} // namespace zorvane
