#pragma once
// The Import and Coordinates Export menus: the import options, the three imports of coordinate
// text files as new cases, the export options and the three exports of the open case's points.
#include "app/Prompts.h"
#include "case/CaseDocument.h"
#include "files/CoordinateFileDialog.h"
#include "model/ExportOptions.h"
#include "model/ImportOptions.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

namespace zorvane::ui {

class CaseCommands;
class ExportOptionsWindow;
class ImportErrorsWindow;
class ImportOptionsWindow;
class MainWindow;

class CoordinateCommands : public QObject {
    Q_OBJECT
  public:
    CoordinateCommands(AppContext& context, CaseDocument& document, MainWindow& window,
                       CaseCommands& cases, std::function<void()> showHelp);

    void showImportOptions();
    // The save prompt, the open dialog, then the whole file read aside as a new case of the
    // kind's mode, which replaces the open case only when it is complete. True when it did.
    bool importFile(CaseMode kind);
    void showExportOptions();
    // The save dialog, then every point of the case written in the kind's form. True when the
    // file was written.
    bool exportFile(CaseMode kind);

    ImportOptionsWindow* importOptionsWindow() const { return importWindow_; }
    ImportErrorsWindow* importErrorsWindow() const { return errorsWindow_; }
    ExportOptionsWindow* exportOptionsWindow() const { return exportWindow_; }

    // The remembered folder of coordinate files (importpath), shared by every import.
    QString importFolder() const { return folder_; }
    void rememberFolder(const QString& file);
    // The " Import Errors" window with these entries, modal.
    void showImportErrors(const std::vector<std::string>& errors);

  private:
    void connectActions();
    const ImportOptions& importOptions();

  public:
    // impop.ini into the program's context; the sentence about a file that could not be used,
    // empty when it was read.
    std::string readImportOptions();

  private:
    void acceptImportOptions();
    ExportOptions readExportOptions();
    void acceptExportOptions();
    FileDialogRequest fileDialog(const CoordinateFileDialog& dialog, bool saving) const;

    AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    CaseCommands& cases_;
    std::function<void()> showHelp_;
    ImportOptionsWindow* importWindow_;
    ImportErrorsWindow* errorsWindow_;
    ExportOptionsWindow* exportWindow_;
    QString folder_; // the remembered folder of coordinate files
    bool importOptionsLoaded_ = false;
    std::string exportOptionsReset_; // the reset of qkrxyzop.ini the user was last told of
};

} // namespace zorvane::ui
