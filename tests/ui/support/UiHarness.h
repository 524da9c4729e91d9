#pragma once
// The whole program wired to fakes: scripted prompts, in-memory remembered folders, a
// recording URL opener and a fixed date. No test ever opens a real dialog or a browser.
#include "support/FakePrompts.h"
#include "support/MemorySettingsStore.h"
#include "ui/app/AppContext.h"
#include "ui/app/AppShell.h"
#include "ui/app/CaseCommands.h"
#include "ui/app/EditCommands.h"
#include "ui/app/EntryController.h"
#include "ui/app/EntryPage.h"
#include "ui/app/HelpCommands.h"
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
    bool openerWorks = true; // false: no program on the desktop opens what it is handed
    ui::AppContext context;
    std::unique_ptr<ui::AppShell> shell;
    ui::MainWindow* window = nullptr;

    CaseDocument& doc() { return shell->document(); }
    const CaseState& state() { return shell->document().state(); }
    ui::CaseCommands& cases() { return shell->cases(); }
    ui::EntryController& entry() { return shell->entry(); }

    // Shows the window and waits until it can take the focus.
    void show();
};

// Sends the keys to the widget that has the focus.
void typeInto(QWidget* widget, const QString& text);

} // namespace zorvane::testing
