#pragma once
// How the reports reach LibreOffice: where it is installed, the pipe it listens on for us, how
// it is started when it does not listen yet, and how long we wait for it.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace zorvane {

struct OfficeSettings {
    // The office's program folder: soffice and the bootstrap files of its UNO runtime.
    std::filesystem::path programFolder;
    // The program that starts the office; empty: soffice in the program folder.
    std::filesystem::path program;
    // The pipe an office opened for us listens on (one per user: the office names the
    // socket after the user).
    std::string pipeName = "zorvane_report";
    // Without a window system (batch jobs): --headless instead of --invisible.
    bool headless = false;
    // Given to soffice as well (a batch job's own profile: "-env:UserInstallation=...").
    std::vector<std::string> extraArguments;
    // How long a starting office may take to answer.
    std::chrono::milliseconds wait = std::chrono::seconds(60);

    std::filesystem::path soffice() const {
        return program.empty() ? programFolder / "soffice" : program;
    }
    std::filesystem::path bootstrapFile() const { return programFolder / "fundamentalrc"; }
    // Whether LibreOffice is there to be driven: its starter and its runtime's bootstrap file.
    bool installed() const;
    // The arguments soffice is started with.
    std::vector<std::string> arguments() const;
    // "uno:pipe,name=...;urp;StarOffice.ComponentContext"
    std::string connectionUrl() const;
};

// The office this program was built against.
OfficeSettings defaultOfficeSettings();

} // namespace zorvane
