#pragma once
// What the windows get from outside: the seams (dialogs, remembered folders, the desktop) and
// the program's folder and options. Tests hand in fakes.
#include "app/Prompts.h"
#include "app/SettingsStore.h"
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
    // Today's date as the incident record keeps it (dd/mm/yyyy).
    std::function<std::string()> today;
};

// The desktop's opener and today's date from the clock.
std::function<bool(const QUrl&)> desktopOpener();
std::string todayText();

} // namespace zorvane::ui
