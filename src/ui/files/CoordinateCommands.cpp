#include "ui/files/CoordinateCommands.h"

#include "files/CoordinateExport.h"
#include "files/CoordinateImport.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "files/ImportOptionsTexts.h"
#include "ui/app/CaseCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/files/ExportOptionsWindow.h"
#include "ui/files/FileProgress.h"
#include "ui/files/ImportErrorsWindow.h"
#include "ui/files/ImportOptionsWindow.h"

#include <QAction>
#include <QFileInfo>

namespace zorvane::ui {
namespace {
constexpr const char* kFolderSetting = "importpath";
} // namespace

CoordinateCommands::CoordinateCommands(AppContext& context, CaseDocument& document,
                                       MainWindow& window, CaseCommands& cases,
                                       std::function<void()> showHelp)
    : QObject(&window), ctx_(context), doc_(document), window_(window), cases_(cases),
      showHelp_(std::move(showHelp)), importWindow_(new ImportOptionsWindow(&window)),
      errorsWindow_(new ImportErrorsWindow(&window)),
      exportWindow_(new ExportOptionsWindow(&window)),
      folder_(QString::fromStdString(ctx_.settings.folder(kFolderSetting))) {
    connect(importWindow_, &ImportOptionsWindow::okRequested, this,
            ctx_.guarded([this] { acceptImportOptions(); }));
    connect(importWindow_, &ImportOptionsWindow::helpRequested, this, [this] { showHelp_(); });
    connect(exportWindow_, &ExportOptionsWindow::okRequested, this,
            ctx_.guarded([this] { acceptExportOptions(); }));
    connect(exportWindow_, &ExportOptionsWindow::helpRequested, this, [this] { showHelp_(); });
    connectActions();
}

void CoordinateCommands::connectActions() {
    auto on = [this](const char* name, std::function<void()> command) {
        QAction* action = window_.action(name);
        connect(action, &QAction::triggered, this, ctx_.guarded(std::move(command)));
        action->setEnabled(true);
    };
    on("ImportOptions1", [this] { showImportOptions(); });
    on("ImportXYZ1", [this] { importFile(CaseMode::Xyz); });
    on("ImportPolar1", [this] { importFile(CaseMode::Polar); });
    on("ImportNESW1", [this] { importFile(CaseMode::Nesw); });
    on("ExportOptions1", [this] { showExportOptions(); });
    on("ExportXYZ1", [this] { exportFile(CaseMode::Xyz); });
    on("ExportPolar1", [this] { exportFile(CaseMode::Polar); });
    on("ExportNESW1", [this] { exportFile(CaseMode::Nesw); });
}

std::string CoordinateCommands::readImportOptions() {
    auto load = loadImportOptions(ctx_.optionFiles.locate(kImportOptionsFileName).readFrom);
    ctx_.importOptions = load.options;
    importOptionsLoaded_ = true;
    return load.resetMessage;
}

// Read at start-up, or when first needed; a damaged or missing impop.ini is reported once and
// replaced by the defaults until "Ok" writes a good one.
const ImportOptions& CoordinateCommands::importOptions() {
    if (!importOptionsLoaded_)
        if (const std::string reset = readImportOptions(); !reset.empty())
            ctx_.prompts.information(reset);
    return ctx_.importOptions;
}

void CoordinateCommands::showImportOptions() {
    importWindow_->setTexts(importOptionsTexts(importOptions()));
    importWindow_->exec();
}

void CoordinateCommands::acceptImportOptions() {
    ImportOptions edited = importOptions();
    if (const auto error = storeImportOptionsTexts(edited, importWindow_->texts())) {
        ctx_.prompts.error(error->message);
        importWindow_->focusField(error->tab, error->field);
        return;
    }
    try {
        saveImportOptions(ctx_.optionFiles.locate(kImportOptionsFileName).writeTo, edited);
    } catch (const std::exception& e) {
        // The window stays open with what the user typed; the options stay as they were.
        ctx_.prompts.error(e.what());
        return;
    }
    ctx_.importOptions = edited;
    importWindow_->accept();
}

// Read at every use: qkrxyzop.ini is the only place the export options live.
ExportOptions CoordinateCommands::readExportOptions() {
    auto load = loadExportOptions(ctx_.optionFiles.locate(kExportOptionsFileName).readFrom);
    if (load.wasReset() && load.resetMessage != exportOptionsReset_)
        ctx_.prompts.information(load.resetMessage);
    exportOptionsReset_ = load.resetMessage;
    return load.options;
}

void CoordinateCommands::showExportOptions() {
    exportWindow_->setOptions(readExportOptions());
    exportWindow_->exec();
}

void CoordinateCommands::acceptExportOptions() {
    try {
        saveExportOptions(ctx_.optionFiles.locate(kExportOptionsFileName).writeTo,
                          exportWindow_->options());
    } catch (const std::exception& e) {
        ctx_.prompts.error(e.what());
        return;
    }
    exportWindow_->accept();
}

FileDialogRequest CoordinateCommands::fileDialog(const CoordinateFileDialog& d, bool saving) const {
    FileDialogRequest r;
    r.title = d.title;
    r.filter = kCaseFileFilter;
    if (saving) r.filter += kSaveDialogExtraEntry;
    r.filterIndex = d.filterIndex;
    r.defaultExtension = d.defaultExtension;
    r.initialFolder = folder_.toStdString();
    return r;
}

void CoordinateCommands::rememberFolder(const QString& file) {
    folder_ = QFileInfo(file).absolutePath();
    ctx_.settings.setFolder(kFolderSetting, folder_.toStdString());
}

bool CoordinateCommands::importFile(CaseMode kind) {
    if (!cases_.askToSaveChanges()) return false;
    const ImportOptions options = importOptions();
    const auto chosen = ctx_.prompts.openFile(fileDialog(importDialog(kind), false));
    if (!chosen) return false;
    const QString file = QFileInfo(QString::fromStdString(*chosen)).absoluteFilePath();
    rememberFolder(file);

    std::optional<ImportedCase> imported;
    try {
        FileProgress progress(&window_, "Importing " + QFileInfo(file).fileName() + "...");
        imported = importCoordinateFile(file.toStdString(), kind, options, ctx_.options,
                                        doc_.state().decimalSeparator, progress.callback());
    } catch (const CoordinateFileError& e) {
        ctx_.prompts.error(e.what()); // the open case is as it was
        return false;
    }
    if (!imported) return false; // cancelled: the open case is as it was
    const std::vector<std::string> errors = std::move(imported->errors);
    doc_.importCase(std::move(*imported), ctx_.options, ctx_.today());
    window_.setStatusText(0, "File: " + file);
    if (!errors.empty()) showImportErrors(errors);
    return true;
}

void CoordinateCommands::showImportErrors(const std::vector<std::string>& errors) {
    errorsWindow_->setErrors(errors);
    errorsWindow_->exec();
    errorsWindow_->setErrors({}); // the list of a large file is not kept once read
}

bool CoordinateCommands::exportFile(CaseMode kind) {
    const auto chosen = ctx_.prompts.saveFile(fileDialog(exportDialog(kind), true));
    if (!chosen) return false;
    const QString file = QFileInfo(QString::fromStdString(*chosen)).absoluteFilePath();
    rememberFolder(file);
    const ExportOptions options = readExportOptions();

    const CaseState& st = doc_.state();
    std::optional<CoordinateExportResult> written;
    try {
        FileProgress progress(&window_, "Exporting " + QFileInfo(file).fileName() + "...");
        written = exportCoordinates(file.toStdString(), st.points, st.mode, kind, options,
                                    st.units.decimals, st.decimalSeparator, progress.callback());
    } catch (const CoordinateExportError& e) {
        ctx_.prompts.error(e.what());
        return false;
    }
    if (!written) return false; // cancelled: a previous file of that name is unchanged
    if (const auto warning = separatorWarning(*written)) ctx_.prompts.information(*warning);
    return true;
}

} // namespace zorvane::ui
