// zorvane-cli: the program's case files, drawings and exhibits for scripts and batch work,
// through the same core as the program's menus.
#include "cli/CaseCommands.h"
#include "cli/CliEnvironment.h"
#include "cli/CliError.h"
#include "cli/CommandLine.h"
#include "cli/ExchangeCommands.h"
#include "cli/RenderCommand.h"

#include "app/Version.h"

#include <QCoreApplication>
#include <QHashFunctions>
#include <QtGlobal>

#include <iostream>
#include <map>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zorvane::cli::CliEnvironment;
using zorvane::cli::CommandLine;
using Runner = void (*)(const CommandLine&, CliEnvironment&);

const std::map<std::string_view, Runner>& runners() {
    static const std::map<std::string_view, Runner> table = {
        {"info", &zorvane::cli::runInfo},
        {"resave", &zorvane::cli::runResave},
        {"export-dxf", &zorvane::cli::runExportDxf},
        {"export-coords", &zorvane::cli::runExportCoords},
        {"import-coords", &zorvane::cli::runImportCoords},
        {"render", &zorvane::cli::runRender},
    };
    return table;
}

// Qt's own chatter (a missing runtime folder, font substitutions) is not for a script's eyes.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) std::cerr << "zorvane-cli: " << message.toStdString() << '\n';
}

int run(const std::vector<std::string>& args) {
    using namespace zorvane::cli;
    if (args.empty()) {
        std::cerr << programHelp();
        return kExitUsage;
    }
    if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
        if (args.size() > 1) return run({args[1], "--help"});
        std::cout << programHelp();
        return kExitSuccess;
    }
    if (args.front() == "--version") {
        std::cout << zorvane::kProductName << '\n';
        return kExitSuccess;
    }
    const CommandLine line = CommandLine::parse(args);
    if (line.helpRequested()) {
        std::cout << commandHelp(line.command());
        return kExitSuccess;
    }
    CliEnvironment env = CliEnvironment::ofProcess(std::cout, std::cerr);
    runners().at(line.command().name)(line, env);
    return kExitSuccess;
}

} // namespace

int main(int argc, char** argv) {
    // Qt's hashes iterate in a per-process random order, and a PDF writer embeds its fonts in
    // that order: the same case must give the same exhibit, byte for byte.
    QHashSeed::setDeterministicGlobalSeed();
    qInstallMessageHandler(quietQt);
    // The program's names: its per-user option folder is found from them.
    QCoreApplication::setApplicationName(zorvane::kProductName);
    QCoreApplication::setOrganizationName("Zorvane");
    std::ios::sync_with_stdio(true);
    try {
        const int status = run(std::vector<std::string>(argv + 1, argv + argc));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "zorvane-cli: standard output could not be written.\n";
            return zorvane::cli::kExitFailure;
        }
        return status;
    } catch (const zorvane::cli::CliError& e) {
        std::cerr << "zorvane-cli: " << e.what() << '\n';
        return e.status();
    } catch (const std::bad_alloc&) {
        std::cerr << "zorvane-cli: there is not enough memory to complete this command.\n";
    } catch (const std::exception& e) {
        std::cerr << "zorvane-cli: " << e.what() << '\n';
    }
    return zorvane::cli::kExitFailure;
}
