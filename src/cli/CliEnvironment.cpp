#include "cli/CliEnvironment.h"

#include "cli/CliError.h"
#include "cli/CommandLine.h"

#include "app/ProgramFolder.h"
#include "files/DxfOptionsFile.h"
#include "files/ExportOptionsFile.h"
#include "files/ImportOptionsFile.h"
#include "files/ProgramOptionsFile.h"
#include "ui/view/DecimalSeparator.h"
#include "ui/view/ExhibitWriter.h"

#include <QDate>
#include <QDateTime>
#include <QStandardPaths>
#include <QTimeZone>

#include <ostream>
#include <system_error>

namespace zorvane::cli {
namespace {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

std::string todayOf(std::optional<std::time_t> epoch) {
    const QDate date = epoch ? QDateTime::fromSecsSinceEpoch(*epoch, QTimeZone::utc()).date()
                             : QDate::currentDate();
    return date.toString("dd/MM/yyyy").toStdString();
}

// A file the user named is not replaced by defaults: its message loses the sentence about them.
std::string refusalOf(std::string message) {
    if (const auto at = message.find("); the default "); at != std::string::npos)
        message.replace(at, std::string::npos, ").");
    return message;
}

} // namespace

CliEnvironment::CliEnvironment(OptionFileLocations optionFiles, char decimalSeparator,
                               std::string today, std::ostream& out, std::ostream& err)
    : optionFiles_(std::move(optionFiles)), decimalSeparator_(decimalSeparator),
      today_(std::move(today)), out_(out), err_(err) {}

CliEnvironment CliEnvironment::ofProcess(std::ostream& out, std::ostream& err) {
    const std::filesystem::path folder = programFolder(executableFolder());
    // The same per-user folder as the program's: it sets these names too.
    const auto config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return CliEnvironment(OptionFileLocations(folder, config.toStdString(), zorvaneHome()),
                          ui::localeDecimalSeparator(), todayOf(ui::sourceDateEpoch()), out, err);
}

void CliEnvironment::warn(std::string_view text) {
    err_ << "zorvane-cli: " << text << '\n';
}

template <class Record>
Record CliEnvironment::options(
    const CommandLine& line, std::string_view option, std::string_view fileName,
    const std::function<OptionFileLoad<Record>(const std::filesystem::path&)>& load) {
    if (const auto named = line.value(option)) {
        OptionFileLoad<Record> loaded = load(*named);
        if (loaded.wasReset()) throw CliError::refused(refusalOf(loaded.resetMessage));
        return loaded.options;
    }
    OptionFileLoad<Record> loaded = load(optionFiles_.locate(fileName).readFrom);
    if (loaded.wasReset()) warn(loaded.resetMessage);
    return loaded.options;
}

ProgramOptions CliEnvironment::programOptions(const CommandLine& line) {
    return options<ProgramOptions>(line, "program-options", kProgramOptionsFileName,
                                   &loadProgramOptions);
}

DxfExportOptions CliEnvironment::dxfOptions(const CommandLine& line) {
    return options<DxfExportOptions>(line, "options", kDxfOptionsFileName, &loadDxfOptions);
}

ExportOptions CliEnvironment::exportOptions(const CommandLine& line) {
    return options<ExportOptions>(line, "options", kExportOptionsFileName, &loadExportOptions);
}

ImportOptions CliEnvironment::importOptions(const CommandLine& line) {
    return options<ImportOptions>(line, "options", kImportOptionsFileName, &loadImportOptions);
}

} // namespace zorvane::cli
