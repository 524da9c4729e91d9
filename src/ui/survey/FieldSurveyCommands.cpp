#include "ui/survey/FieldSurveyCommands.h"

#include "files/TotalStationImport.h"
#include "ui/app/CaseCommands.h"
#include "ui/app/Cp1252Text.h"
#include "ui/app/MainWindow.h"
#include "ui/files/CoordinateCommands.h"
#include "ui/files/FileProgress.h"
#include "ui/survey/TotalStationImportDialog.h"
#include "ui/survey/TriangulationDialog.h"

#include <QAction>
#include <QFileInfo>

namespace zorvane::ui {
namespace {

constexpr const char* kFilter = "Total station files (*.gsi, *.txt, *.csv)|*.gsi;*.txt;*.csv|"
                                "Leica GSI files (*.gsi)|*.gsi|Point files (*.txt, *.csv)|"
                                "*.txt;*.csv|All files (*.*)|*.*";

} // namespace

FieldSurveyCommands::FieldSurveyCommands(AppContext& context, CaseDocument& document,
                                         MainWindow& window, CaseCommands& cases,
                                         CoordinateCommands& coordinates)
    : QObject(&window), ctx_(context), doc_(document), window_(window), cases_(cases),
      coordinates_(coordinates), importDialog_(new TotalStationImportDialog(&window)),
      triangulation_(new TriangulationDialog(document, &window)) {
    QAction* import = window_.action("ImportTotalStation1");
    connect(import, &QAction::triggered, this, ctx_.guarded([this] { importTotalStationFile(); }));
    import->setEnabled(true);
    connect(window_.action("TriangulatePoint1"), &QAction::triggered, this,
            ctx_.guarded([this] { showTriangulation(); }));
    connect(triangulation_, &TriangulationDialog::createRequested, this,
            ctx_.guarded([this] { createTriangulatedPoint(); }));
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

FieldSurveyCommands::~FieldSurveyCommands() {
    doc_.forget(observer_);
}

void FieldSurveyCommands::caseChanged(unsigned changes) {
    if (changes & kCaseReplaced) window_.action("TriangulatePoint1")->setEnabled(doc_.started());
}

// ---- total station files ----------------------------------------------------------------

std::optional<PlainPointOrder> FieldSurveyCommands::askOrder(const QString& file) {
    importDialog_->setPreview(file, previewTotalStationFile(file.toStdString()));
    if (importDialog_->exec() != QDialog::Accepted) return std::nullopt;
    return importDialog_->order(); // and offered again next time
}

void FieldSurveyCommands::refuseEmpty(const QString& file, const std::vector<std::string>& errors) {
    ctx_.prompts.error("The file \"" + file.toStdString() +
                       "\" holds no point that can be read. The open case is unchanged.");
    if (!errors.empty()) coordinates_.showImportErrors(errors);
}

bool FieldSurveyCommands::importTotalStationFile() {
    if (!cases_.askToSaveChanges()) return false;
    FileDialogRequest request;
    request.title = "Import total station files";
    request.filter = kFilter;
    request.defaultExtension = "gsi";
    request.initialFolder = coordinates_.importFolder().toStdString();
    const auto chosen = ctx_.prompts.openFile(request);
    if (!chosen) return false;
    const QString file = QFileInfo(QString::fromStdString(*chosen)).absoluteFilePath();
    coordinates_.rememberFolder(file);

    std::optional<ImportedCase> imported;
    try {
        const auto order = askOrder(file);
        if (!order) return false;
        FileProgress progress(&window_, "Importing " + QFileInfo(file).fileName() + "...");
        imported = zorvane::importTotalStationFile(file.toStdString(), *order, ctx_.options,
                                                   progress.callback());
    } catch (const CoordinateFileError& e) {
        ctx_.prompts.error(e.what()); // the open case is as it was
        return false;
    }
    if (!imported) return false; // cancelled: the open case is as it was
    const std::vector<std::string> errors = std::move(imported->errors);
    if (imported->points.empty()) {
        refuseEmpty(file, errors);
        return false;
    }
    doc_.importCase(std::move(*imported), ctx_.options, ctx_.today());
    window_.setStatusText(0, "File: " + file);
    if (!errors.empty()) coordinates_.showImportErrors(errors);
    return true;
}

// ---- triangulation ----------------------------------------------------------------------

void FieldSurveyCommands::showTriangulation() {
    if (!doc_.started()) return;
    triangulation_->prepare();
    triangulation_->exec();
}

void FieldSurveyCommands::createTriangulatedPoint() {
    const TriangulationPlan plan = planTriangulation(doc_.state(), triangulation_->fields());
    if (plan.failed()) {
        ctx_.prompts.error(plan.error);
        triangulation_->focusField(plan.focus);
        return;
    }
    EntryFields entry = plan.entry; // the entry page's own path: undoable, listed, drawn
    const Outcome out = doc_.createOrModifyPoint(entry);
    if (out.failed()) {
        ctx_.prompts.error(out.error);
        return;
    }
    triangulation_->pointCreated();
    if (!plan.warning.empty()) ctx_.prompts.information(plan.warning);
}

} // namespace zorvane::ui
