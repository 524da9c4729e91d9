#include "ui/dxf/DxfCommands.h"

#include "dxf/DxfExport.h"
#include "dxf/DxfWriteError.h"
#include "files/DxfOptionsFile.h"
#include "files/FileDialogFilters.h"
#include "ui/app/BusyCursor.h"
#include "ui/app/MainWindow.h"
#include "ui/dxf/DxfOptionsWindow.h"

#include <QAction>
#include <QFileInfo>

namespace zorvane::ui {
namespace {

constexpr const char* kFolderName = "dxfoutpath";
// So many left-out definitions in one box are enough to see what is wrong.
constexpr std::size_t kSkippedShown = 20;

std::string skippedText(const std::vector<std::string>& skipped) {
    std::string text;
    for (std::size_t k = 0; k < skipped.size() && k < kSkippedShown; ++k)
        text += (k ? "\n" : "") + skipped[k];
    if (skipped.size() > kSkippedShown)
        text += "\n(and " + std::to_string(skipped.size() - kSkippedShown) + " more)";
    return text;
}

} // namespace

DxfCommands::DxfCommands(const AppContext& context, CaseDocument& doc, MainWindow& window,
                         std::function<void()> showHelp)
    : QObject(&window), ctx_(context), doc_(doc), window_(window),
      folder_(QString::fromStdString(ctx_.settings.folder(kFolderName))) {
    options_ =
        new DxfOptionsWindow(ctx_, doc_.state().decimalSeparator, std::move(showHelp), &window_);
    options_->save = [this](const DxfExportOptions& o) { saveOptions(o); };
    connect(window_.action("DXFOptions1"), &QAction::triggered, this,
            ctx_.guarded([this] { showOptions(); }));
    connect(window_.action("DXFExport2"), &QAction::triggered, this,
            ctx_.guarded([this] { exportDrawing(); }));
    window_.action("DXFOptions1")->setEnabled(true);
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

DxfCommands::~DxfCommands() {
    doc_.forget(observer_);
}

void DxfCommands::caseChanged(unsigned changes) {
    // There is nothing to draw before a case is started or opened.
    if (changes & kCaseReplaced) window_.action("DXFExport2")->setEnabled(doc_.started());
}

DxfExportOptions DxfCommands::loadOptions() {
    auto load = loadDxfOptions(ctx_.optionFiles.locate(kDxfOptionsFileName).readFrom);
    if (load.wasReset() && load.resetMessage != reported_) {
        reported_ = load.resetMessage;
        ctx_.prompts.information(load.resetMessage);
    }
    return load.options;
}

void DxfCommands::saveOptions(const DxfExportOptions& options) {
    saveDxfOptions(ctx_.optionFiles.locate(kDxfOptionsFileName).writeTo, options);
}

void DxfCommands::showOptions() {
    options_->setOptions(loadOptions());
    options_->exec();
}

void DxfCommands::exportDrawing() {
    FileDialogRequest request;
    request.title = "Export to dxf";
    request.filter = std::string(kCaseFileFilter) + std::string(kSaveDialogExtraEntry);
    request.filterIndex = kDxfFilterEntry;
    request.defaultExtension = "dxf";
    request.initialFolder = folder_.toStdString();
    const auto path = ctx_.prompts.saveFile(request);
    if (!path) return;
    // Remembered before anything else can fail.
    folder_ = QFileInfo(QString::fromStdString(*path)).absolutePath();
    ctx_.settings.setFolder(kFolderName, folder_.toStdString());

    const DxfExportOptions options = loadOptions();
    DxfExportOutcome outcome;
    try {
        BusyCursor busy;
        outcome = exportDxf(doc_.state(), options, *path);
    } catch (const DxfWriteError& e) {
        ctx_.prompts.error(e.what());
        return;
    }
    if (!outcome.skipped.empty()) ctx_.prompts.error(skippedText(outcome.skipped));
}

} // namespace zorvane::ui
