#pragma once
// What the windows get from outside: the seams (dialogs, remembered folders, the desktop) and
// the program's folder and options. Tests hand in fakes.
#include "app/OptionFileLocations.h"
#include "app/Prompts.h"
#include "app/SettingsStore.h"
#include "model/ImportOptions.h"
#include "model/ProgramOptions.h"

#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>

namespace zorvane::ui {

struct AppContext {
    Prompts& prompts;
    SettingsStore& settings;
    std::filesystem::path programFolder;
    ProgramOptions options;
    // Opens a document or web page with the desktop's default application.
    std::function<bool(const QUrl&)> openUrl;
    // Today's date as the incident record keeps it: dd/mm/yyyy, or mm/dd/yyyy where the user's
    // own dates put the month first.
    std::function<std::string()> today;
    // Where each option file is read from and written to.
    OptionFileLocations optionFiles;
    // The import options, read at start-up and written by the import options window.
    ImportOptions importOptions{};

    // Runs one command. An error that escapes it is shown in the error box, the command ends
    // where it stands and the program goes on. False when it ended that way.
    bool run(const std::function<void()>& command) const;
    // A slot that runs `command` through run().
    std::function<void()> guarded(std::function<void()> command) const {
        return [this, command = std::move(command)] { run(command); };
    }
};

// The desktop's opener and today's date from the clock.
std::function<bool(const QUrl&)> desktopOpener();
std::string todayText();

// The message for an error that escaped a command.
std::string escapedErrorText(const std::exception_ptr& error);

} // namespace zorvane::ui
