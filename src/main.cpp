#include "app/ProgramFolder.h"
#include "app/Version.h"
#include "ui/app/AppContext.h"
#include "ui/app/AppShell.h"
#include "ui/app/CaseCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/QtPrompts.h"
#include "ui/app/QtSettingsStore.h"
#include "ui/app/ZorvaneApplication.h"
#include "ui/view/DrawingWindow.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    zorvane::ui::ZorvaneApplication app(argc, argv);
    QApplication::setApplicationName(zorvane::kProductName);
    QApplication::setOrganizationName("Zorvane");
    // The desktop pairs the windows with the menu entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName("zorvane");
    Q_INIT_RESOURCE(zorvane); // the resources live in a static library
    QApplication::setWindowIcon(QIcon(":/zorvane.svg"));
    // The windows are laid out for a small sans-serif face; Arial resolves to Liberation Sans.
    QFont font("Arial");
    font.setPixelSize(11);
    QApplication::setFont(font);

    QCommandLineParser parser;
    parser.setApplicationDescription("Site plans for accident and crime investigation.");
    parser.addHelpOption();
    const QCommandLineOption version({"v", "version"},
                                     "Shows the version and the program's folder.");
    parser.addOption(version);
    parser.addPositionalArgument("case", "A case file (.zvr) to open.", "[case]");
    parser.process(app);
    const std::filesystem::path folder =
        zorvane::programFolder(QCoreApplication::applicationDirPath().toStdString());
    if (parser.isSet(version)) {
        std::printf("%s\nProgram folder: %s\n", zorvane::kProductName, folder.string().c_str());
        return 0;
    }

    zorvane::ui::QtPrompts prompts;
    app.setPrompts(&prompts);
    zorvane::ui::QtSettingsStore settings;
    zorvane::ui::AppContext context{
        prompts,
        settings,
        folder,
        zorvane::ProgramOptions{},
        zorvane::ui::desktopOpener(),
        &zorvane::ui::todayText,
        zorvane::OptionFileLocations(
            folder,
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString(),
            zorvane::zorvaneHome()),
    };

    zorvane::ui::AppShell shell(context);
    prompts.setParent(&shell.mainWindow());
    shell.start();
    shell.drawingWindow().redraw();

    // A case named on the command line opens as if chosen in the Open dialog.
    const QStringList args = parser.positionalArguments();
    if (!args.isEmpty()) {
        const QString path = QFileInfo(args.front()).absoluteFilePath();
        QTimer::singleShot(0, &shell.mainWindow(),
                           context.guarded([&shell, path] { shell.cases().openCaseFile(path); }));
    }
    return QApplication::exec();
}
