#include "ui/app/CaseCommands.h"

#include "files/CaseFile.h"
#include "files/FileDialogFilters.h"
#include "ui/app/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

namespace zorvane::ui {
namespace {

bool isCaseFile(const QUrl& url) {
    return url.isLocalFile() && url.toLocalFile().endsWith(".zvr", Qt::CaseInsensitive);
}

} // namespace

CaseCommands::CaseCommands(const AppContext& context, CaseDocument& document, MainWindow& window)
    : QObject(&window), ctx_(context), doc_(document), window_(window),
      caseFolder_(QString::fromStdString(ctx_.settings.folder("qkvpath"))) {
    auto on = [this](const char* name, std::function<void()> command) {
        connect(window_.action(name), &QAction::triggered, this, ctx_.guarded(std::move(command)));
    };
    on("Open1", [this] { openCase(); });
    on("NewXYZ1", [this] { newCase(CaseMode::Xyz); });
    on("NewPolar1", [this] { newCase(CaseMode::Polar); });
    on("NewNESW1", [this] { newCase(CaseMode::Nesw); });
    on("Save1", [this] { save(); });
    on("Quit1", [this] { quit(); });
    connect(&window_, &MainWindow::quitRequested, this, ctx_.guarded([this] { quit(); }));
    // A drop runs its command after the drop itself has finished.
    connect(&window_, &MainWindow::filesDropped, this, [this](const QList<QUrl>& urls) {
        QTimer::singleShot(0, this, ctx_.guarded([this, urls] { openDroppedFiles(urls); }));
    });
    observer_ = doc_.observe([this](unsigned changes) {
        if (changes & kCaseReplaced) window_.action("Save1")->setEnabled(doc_.started());
    });
}

CaseCommands::~CaseCommands() {
    doc_.forget(observer_);
}

bool CaseCommands::askToSaveChanges() {
    if (doc_.isClean()) return true;
    switch (ctx_.prompts.askSaveChanges()) {
    case SaveAnswer::Yes:
        // A save that failed keeps the case; only a cancelled file dialog lets it go.
        return save() != SaveResult::Failed;
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        return false;
    }
    return false;
}

bool CaseCommands::newCase(CaseMode mode) {
    if (!askToSaveChanges()) return false;
    doc_.startNew(mode, ctx_.options, ctx_.today());
    window_.setStatusText(0, "File: not saved ");
    return true;
}

FileDialogRequest CaseCommands::caseFileDialog(const char* title, bool saving) const {
    FileDialogRequest r;
    r.title = title;
    r.filter = kCaseFileFilter;
    if (saving) r.filter += kSaveDialogExtraEntry;
    r.filterIndex = kCaseFileFilterEntry;
    r.defaultExtension = "zvr";
    r.initialFolder = caseFolder_.toStdString();
    return r;
}

void CaseCommands::rememberCaseFolder(const QString& path) {
    caseFolder_ = QFileInfo(path).absolutePath();
    ctx_.settings.setFolder("qkvpath", caseFolder_.toStdString());
}

SaveResult CaseCommands::save() {
    if (!doc_.started()) return SaveResult::Cancelled;
    const auto path = ctx_.prompts.saveFile(caseFileDialog("Save a Zorvane file", true));
    if (!path) return SaveResult::Cancelled;
    try {
        saveCaseFile(*path, doc_.state(), ctx_.options.saveImages);
    } catch (const std::exception& e) {
        // The previous file is untouched and the case keeps its unsaved state.
        ctx_.prompts.error(e.what());
        return SaveResult::Failed;
    }
    doc_.markSaved();
    const QString file = QFileInfo(QString::fromStdString(*path)).absoluteFilePath();
    window_.setStatusText(0, "File: " + file);
    rememberCaseFolder(file);
    return SaveResult::Saved;
}

bool CaseCommands::openCase() {
    if (!askToSaveChanges()) return false;
    const auto path = ctx_.prompts.openFile(caseFileDialog("Open a Zorvane file", false));
    if (!path) return false;
    return loadCase(QString::fromStdString(*path));
}

bool CaseCommands::openCaseFile(const QString& path) {
    if (!askToSaveChanges()) return false;
    return loadCase(path);
}

bool CaseCommands::openDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        if (isCaseFile(url)) {
            openCaseFile(url.toLocalFile());
            return true;
        }
    return false;
}

bool CaseCommands::loadCase(const QString& path) {
    CaseFileContents contents;
    try {
        contents = loadCaseFile(path.toStdString());
    } catch (const std::exception& e) {
        // Nothing of the open case has been touched.
        ctx_.prompts.error(e.what());
        return false;
    }
    const std::string note = contents.note;
    const QString file = QFileInfo(path).absoluteFilePath();
    doc_.open(std::move(contents));
    window_.setStatusText(0, "File: " + file);
    rememberCaseFolder(file);
    if (!note.empty()) ctx_.prompts.information(note);
    return true;
}

bool CaseCommands::quit() {
    if (!askToSaveChanges()) return false;
    Q_EMIT quitting();
    window_.allowClose();
    window_.close();
    QCoreApplication::quit();
    return true;
}

} // namespace zorvane::ui
