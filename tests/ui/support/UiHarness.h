#pragma once
// A main window wired to fakes: scripted prompts, in-memory remembered folders, a recording
// URL opener and a fixed date. No test ever opens a real dialog or a browser.
#include "support/FakePrompts.h"
#include "support/MemorySettingsStore.h"
#include "ui/app/AppContext.h"
#include "ui/app/MainWindow.h"

#include <QUrl>
#include <memory>
#include <vector>

namespace zorvane::testing {

class UiHarness {
public:
    explicit UiHarness(ProgramOptions options = {});
    ~UiHarness();

    FakePrompts prompts;
    MemorySettingsStore settings;
    std::vector<QUrl> opened;
    ui::AppContext context;
    std::unique_ptr<ui::MainWindow> window;

    // Shows the window and waits until it can take the focus.
    void show();
};

// Sends the keys to the widget that has the focus.
void typeInto(QWidget* widget, const QString& text);

} // namespace zorvane::testing
