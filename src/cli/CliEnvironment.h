#pragma once
// What every command of zorvane-cli works with: the program's folder and option files, found
// as the program finds them, the locale's decimal separator, today's date and the two output
// streams. An option file named on the command line must be usable; the program's own file
// falls back to the defaults with a warning, as the program itself does.
#include "app/OptionFileLocations.h"
#include "files/OptionFile.h"
#include "model/DxfExportOptions.h"
#include "model/ExportOptions.h"
#include "model/ImportOptions.h"
#include "model/ProgramOptions.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zorvane::cli {

class CommandLine;

class CliEnvironment {
  public:
    CliEnvironment(OptionFileLocations optionFiles, char decimalSeparator, std::string today,
                   std::ostream& out, std::ostream& err);
    // The running process's: its own folder, ZORVANE_HOME, the user's configuration folder,
    // the locale and the clock (or SOURCE_DATE_EPOCH).
    static CliEnvironment ofProcess(std::ostream& out, std::ostream& err);

    char decimalSeparator() const { return decimalSeparator_; }
    const std::string& today() const { return today_; }
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }
    // "zorvane-cli: " + text, on standard error.
    void warn(std::string_view text);

    // From the file named by --program-options / --options, or the program's own.
    ProgramOptions programOptions(const CommandLine& line);
    DxfExportOptions dxfOptions(const CommandLine& line);
    ExportOptions exportOptions(const CommandLine& line);
    ImportOptions importOptions(const CommandLine& line);

  private:
    template <class Record>
    Record options(const CommandLine& line, std::string_view option, std::string_view fileName,
                   const std::function<OptionFileLoad<Record>(const std::filesystem::path&)>& load);

    OptionFileLocations optionFiles_;
    char decimalSeparator_;
    std::string today_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace zorvane::cli
