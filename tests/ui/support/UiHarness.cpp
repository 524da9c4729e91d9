#include "support/UiHarness.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>

namespace zorvane::testing {

namespace {
std::filesystem::path testHome() {
    if (const char* home = std::getenv("ZORVANE_HOME"); home && *home) return home;
    return std::filesystem::temp_directory_path();
}
} // namespace

UiHarness::UiHarness(ProgramOptions options)
    : context{prompts,
              settings,
              testHome(),
              options,
              [this](const QUrl& url) {
                  opened.push_back(url);
                  return openerWorks;
              },
              [] { return std::string("07/12/2026"); },
              OptionFileLocations(testHome(), testHome() / "user", testHome())} {
    shell = std::make_unique<ui::AppShell>(context);
    window = &shell->mainWindow();
}

UiHarness::~UiHarness() = default;

void UiHarness::show() {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) qWarning("the main window did not become active");
}

void typeInto(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
    QTest::keyClicks(widget, text);
}

} // namespace zorvane::testing
