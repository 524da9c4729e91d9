#include "ui/app/HelpCommands.h"

#include "ui/app/AboutDialog.h"
#include "ui/app/MainWindow.h"

#include <QAction>

namespace zorvane::ui {

HelpCommands::HelpCommands(const AppContext& context, MainWindow& window)
    : QObject(&window), ctx_(context), window_(window) {
    connect(window_.action("HelpIndex1"), &QAction::triggered, this, [this] { showHelp(); });
    connect(window_.action("AboutZorvane1"), &QAction::triggered, this, [this] { showAbout(); });
    window_.action("HelpIndex1")->setEnabled(true);
    window_.action("AboutZorvane1")->setEnabled(true);
}

void HelpCommands::showHelp() {
    const auto file = ctx_.programFolder / "zorvane_help.html";
    ctx_.openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void HelpCommands::showAbout() {
    AboutDialog about(ctx_.openUrl, &window_);
    about.exec();
}

} // namespace zorvane::ui
