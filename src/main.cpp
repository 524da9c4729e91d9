#include "app/ProgramFolder.h"
#include "ui/app/AppContext.h"
#include "ui/app/MainWindow.h"
#include "ui/app/QtPrompts.h"
#include "ui/app/QtSettingsStore.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zorvane 1.0");
    QApplication::setOrganizationName("Zorvane");
    // The windows are laid out for a small sans-serif face; Arial resolves to Liberation Sans.
    QFont font("Arial");
    font.setPixelSize(11);
    QApplication::setFont(font);

    zorvane::ui::QtPrompts prompts;
    zorvane::ui::QtSettingsStore settings;
    zorvane::ui::AppContext context{
        prompts,
        settings,
        zorvane::programFolder(QCoreApplication::applicationDirPath().toStdString()),
        zorvane::ProgramOptions{},
        zorvane::ui::desktopOpener(),
        &zorvane::ui::todayText,
    };

    zorvane::ui::MainWindow window(context);
    prompts.setParent(&window);
    window.show();
    window.redrawPlan();

    // A case named on the command line opens as if chosen in the Open dialog.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QString path = QFileInfo(args[1]).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, path] { window.openCaseFile(path); });
    }
    return QApplication::exec();
}
