#pragma once
// The Help menu: the help page in the desktop's browser and the About box.
#include "ui/app/AppContext.h"

#include <QObject>

namespace zorvane::ui {

class MainWindow;

class HelpCommands : public QObject {
    Q_OBJECT
  public:
    HelpCommands(const AppContext& context, MainWindow& window);

    // The help page of the program's folder; a failure to open it is not reported.
    void showHelp();
    void showAbout();

  private:
    const AppContext& ctx_;
    MainWindow& window_;
};

} // namespace zorvane::ui
