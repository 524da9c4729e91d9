#include "ui/reports/ReportCommands.h"

#include "case/GridTexts.h"
#include "reports/DocxReport.h"
#include "reports/ReportFile.h"
#include "ui/app/MainWindow.h"
#include "ui/reports/DrawingSnapshot.h"
#include "ui/reports/ReportJob.h"
#include "ui/reports/ReportOptionsDialog.h"
#include "ui/reports/ReportWaitWindow.h"
#include "ui/view/DrawingWindow.h"
#if ZORVANE_WITH_UNO
#include "uno/WriterReport.h"
#endif

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>
#include <QUrl>

namespace zorvane::ui {

namespace {

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

constexpr const char* kWithoutOffice =
    "This Zorvane was built without LibreOffice support (ZORVANE_WITH_UNO=OFF); the Word report "
    "opens in LibreOffice as well.";

} // namespace

std::filesystem::path documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    QDir().mkpath(folder); // a missing folder is reported by the save that needs it
    return folder.toStdString();
}

ReportCommands::ReportCommands(AppContext& context, CaseDocument& document, MainWindow& window,
                               DrawingWindow& drawing)
    : QObject(&window), ctx_(context), doc_(document), window_(window), drawing_(drawing) {
    options_ = new ReportOptionsDialog(&window_);
    options_->setZoomAll(ctx_.options.autoZoomAllInReports);
    connect(options_, &ReportOptionsDialog::zoomAllChanged, this,
            [this](bool on) { ctx_.options.autoZoomAllInReports = on; });
    wait_ = new ReportWaitWindow(&window_);

    auto on = [this](const char* name, std::function<void()> command) {
        connect(window_.action(name), &QAction::triggered, this, ctx_.guarded(std::move(command)));
    };
    on("ReportOptions1", [this] { showOptions(); });
    on("WordReport1", [this] { wordReport(); });
    on("OpenOfficeReport1", [this] { officeReport(); });
#if ZORVANE_WITH_UNO
    office_ = defaultOfficeSettings();
#endif
    window_.action("ReportOptions1")->setEnabled(true);
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
    caseChanged(kCaseReplaced);
}

ReportCommands::~ReportCommands() {
    doc_.forget(observer_);
}

void ReportCommands::caseChanged(unsigned changes) {
    if (!(changes & kCaseReplaced)) return;
    window_.action("WordReport1")->setEnabled(doc_.started());
    enableOfficeReport();
}

void ReportCommands::enableOfficeReport() {
    QAction* item = window_.action("OpenOfficeReport1");
    item->setEnabled(ZORVANE_WITH_UNO && doc_.started());
    if (ZORVANE_WITH_UNO) return;
    // A disabled item says why in its tooltip; menus show tooltips only when asked to.
    item->setToolTip(kWithoutOffice);
    item->setStatusTip(kWithoutOffice);
    for (QObject* shown : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shown)) menu->setToolTipsVisible(true);
}

void ReportCommands::showOptions() {
    options_->setZoomAll(ctx_.options.autoZoomAllInReports);
    options_->exec();
}

DrawingSnapshot ReportCommands::takeDrawing() {
    // Without the option the picture is the plan as it stands, but never an empty plan of a
    // case that has points (a plan never shown has not been fitted yet).
    if (ctx_.options.autoZoomAllInReports)
        drawing_.zoomAllCommand();
    else
        doc_.ensurePointsVisible();
    return takeDrawingSnapshot(drawing_.image(), ctx_.programFolder);
}

ReportContent ReportCommands::content(std::vector<std::uint8_t> png) const {
    const CaseState& state = doc_.state();
    return buildReportContent(state, displayedGrid(state), std::move(png));
}

void ReportCommands::wordReport() {
    if (!doc_.started()) return;
    DrawingSnapshot drawing = takeDrawing();
    const ReportContent report = content(std::move(drawing.png));
    const auto templatePath = reportTemplatePath(ctx_.programFolder, kWordTemplateName);
    const auto folder = documentsFolder();
    std::filesystem::path written;
    ReportJob::run(*wait_, kWordWaitText, [&](const ReportProgress& progress) {
        written = writeDocxReport(templatePath, folder, report, progress);
    });
    lastDocument_ = written;
    // Word would show the document unsaved; ours is saved and handed to the desktop.
    if (!ctx_.openUrl(QUrl::fromLocalFile(pathText(written))))
        ctx_.prompts.error(noWordProgramMessage(written));
}

void ReportCommands::officeReport() {
#if ZORVANE_WITH_UNO
    if (!doc_.started()) return;
    DrawingSnapshot drawing = takeDrawing();
    // Without an office nothing else happens, the wait window included.
    if (!office_.installed()) {
        ctx_.prompts.error(officeMissingMessage());
        return;
    }
    WriterReportRequest request;
    request.templatePath = reportTemplatePath(ctx_.programFolder, kWriterTemplateName);
    request.content = content(std::move(drawing.png));
    const OfficeSettings office = office_;
    ReportJob::run(*wait_, kWriterWaitText, [&](const ReportProgress& progress) {
        createWriterReport(office, request, progress);
    });
#endif
}

} // namespace zorvane::ui
