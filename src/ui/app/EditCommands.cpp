#include "ui/app/EditCommands.h"

#include "ui/app/DrawingSettingsDialog.h"
#include "ui/app/MainWindow.h"
#include "ui/app/RenumberDialog.h"

#include <QAction>

namespace zorvane::ui {

EditCommands::EditCommands(const AppContext& context, CaseDocument& document, MainWindow& window,
                           std::function<void()> showHelp)
    : QObject(&window), ctx_(context), doc_(document), window_(window),
      showHelp_(std::move(showHelp)) {
    unitsDialog_ = new DrawingSettingsDialog(doc_, showHelp_, &window_);
    unitsDialog_->setUnits(
        {clampUnit(ctx_.options.defaultUnit), clampDecimals(ctx_.options.defaultDecimals)});
    auto on = [this](const char* name, std::function<void()> command) {
        connect(window_.action(name), &QAction::triggered, this, ctx_.guarded(std::move(command)));
    };
    on("Undo1", [this] { undo(); });
    on("Redo1", [this] { redo(); });
    on("Units1", [this] { showUnits(); });
    on("RenumberPoints1", [this] { showRenumber(); });
    observer_ = doc_.observe([this](unsigned changes) { caseChanged(changes); });
}

EditCommands::~EditCommands() {
    doc_.forget(observer_);
}

void EditCommands::caseChanged(unsigned changes) {
    if (changes & (kHistoryChanged | kCaseReplaced)) {
        window_.action("Undo1")->setEnabled(doc_.canUndo());
        window_.action("Redo1")->setEnabled(doc_.canRedo());
    }
    if (changes & kCaseReplaced) {
        window_.action("Units1")->setEnabled(doc_.started());
        window_.action("RenumberPoints1")->setEnabled(doc_.started());
        // A new case shows the default unit, an opened one its own.
        unitsDialog_->setUnits(doc_.state().units);
    }
}

void EditCommands::undo() {
    doc_.undo();
}

void EditCommands::redo() {
    doc_.redo();
}

void EditCommands::showUnits() {
    if (doc_.started()) unitsDialog_->exec();
}

void EditCommands::showRenumber() {
    if (!doc_.started()) return;
    RenumberDialog dialog(&window_);
    connect(&dialog, &RenumberDialog::helpRequested, this, [this] { showHelp_(); });
    connect(&dialog, &RenumberDialog::renumberRequested, this, [this](std::int32_t start) {
        ctx_.run([&] {
            const Outcome out = doc_.renumberPoints(start);
            if (out.failed()) ctx_.prompts.error(out.error);
        });
    });
    dialog.exec();
}

} // namespace zorvane::ui
