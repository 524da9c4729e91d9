#pragma once
// The commands that start, open, save and end a case: the File menu, Quit, dropped case files
// and the case named on the command line, with the save prompt written once for all of them.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <QString>
#include <QUrl>

namespace zorvane::ui {

class MainWindow;

enum class SaveResult { Saved, Cancelled, Failed };

class CaseCommands : public QObject {
    Q_OBJECT
  public:
    CaseCommands(const AppContext& context, CaseDocument& document, MainWindow& window);
    ~CaseCommands() override;

    // Before a command replaces the case (New, Open, the imports, Quit): asks to save unsaved
    // changes. True when the command may go on: the case is saved, the user said No, or the
    // save dialog was cancelled; false after Cancel or a save that failed.
    bool askToSaveChanges();

    bool newCase(CaseMode mode);
    bool openCase();
    // The command line and dropped files: the save prompt, then the file without a dialog.
    bool openCaseFile(const QString& path);
    // The first case file among dropped files; false when there is none.
    bool openDroppedFiles(const QList<QUrl>& urls);
    SaveResult save();
    bool saveCase() { return save() == SaveResult::Saved; }
    // True when the program ends.
    bool quit();

  Q_SIGNALS:
    // The program is about to end: windows hide, options are written.
    void quitting();

  private:
    FileDialogRequest caseFileDialog(const char* title, bool saving) const;
    void rememberCaseFolder(const QString& path);
    bool loadCase(const QString& path);

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    QString caseFolder_; // remembered folder of case files
    int observer_ = 0;
};

} // namespace zorvane::ui
