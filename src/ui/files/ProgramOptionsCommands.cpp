#include "ui/files/ProgramOptionsCommands.h"

#include "files/ProgramOptionsFile.h"
#include "ui/app/MainWindow.h"
#include "ui/files/ProgramOptionsDialog.h"

#include <QAction>

namespace zorvane::ui {

ProgramOptionsCommands::ProgramOptionsCommands(AppContext& context, CaseDocument& document,
                                               MainWindow& window, std::function<void()> showHelp)
    : QObject(&window), ctx_(context), doc_(document), window_(window) {
    dialog_ = new ProgramOptionsDialog(ctx_.options, ctx_.prompts, std::move(showHelp), &window_);
    // The defaults apply to the next new case; the grid is shown again from the table.
    connect(dialog_, &ProgramOptionsDialog::optionsTaken, this, [this] {
        if (doc_.started()) doc_.redisplayGrid();
    });
    QAction* item = window_.action("ProgramOptions1");
    connect(item, &QAction::triggered, this, ctx_.guarded([this] { showOptions(); }));
    item->setEnabled(true);
}

std::vector<std::string> ProgramOptionsCommands::loadAtStart() {
    std::vector<std::string> reset;
    auto program = loadProgramOptions(ctx_.optionFiles.locate(kProgramOptionsFileName).readFrom);
    ctx_.options = program.options;
    if (program.wasReset()) reset.push_back(program.resetMessage);
    dialog_->showOptions(ctx_.options);
    return reset;
}

void ProgramOptionsCommands::showOptions() {
    dialog_->exec();
}

void ProgramOptionsCommands::takeAtQuit() {
    dialog_->takeInto(ctx_.options, true);
}

void ProgramOptionsCommands::writeAtQuit() {
    try {
        saveProgramOptions(ctx_.optionFiles.locate(kProgramOptionsFileName).writeTo, ctx_.options);
    } catch (const std::exception& e) {
        ctx_.prompts.error(e.what());
    }
}

} // namespace zorvane::ui
