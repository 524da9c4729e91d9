#pragma once
// The program options: read with the import options at start-up, edited in " Program Options",
// written at quit.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <string>
#include <vector>

namespace zorvane::ui {

class MainWindow;
class ProgramOptionsDialog;

class ProgramOptionsCommands : public QObject {
    Q_OBJECT
  public:
    ProgramOptionsCommands(AppContext& context, CaseDocument& document, MainWindow& window,
                           std::function<void()> showHelp);

    // Start-up: progop.ini into the program's context and the window's controls. Returns the
    // sentences about a file that could not be used (shown once).
    std::vector<std::string> loadAtStart();
    // "Program &Options".
    void showOptions();
    // Quit: the steps of Ok on the controls as they stand. A first point number that is not
    // an integer keeps the one before: a typing slip must not stop the program from ending.
    void takeAtQuit();
    // Quit: writes progop.ini; a failure is reported and the program still ends.
    void writeAtQuit();
    ProgramOptionsDialog* dialog() const { return dialog_; }

  private:
    AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    ProgramOptionsDialog* dialog_ = nullptr;
};

} // namespace zorvane::ui
