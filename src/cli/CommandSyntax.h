#pragma once
// The commands of zorvane-cli: their arguments, their options and their help texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

struct OptionSyntax {
    std::string_view name;      // without the leading "--"
    std::string_view valueName; // empty for a flag
    std::string_view help;
};

struct CommandSyntax {
    std::string_view name;
    std::string_view arguments; // "CASE.zvr OUT.dxf"
    std::size_t argumentCount = 0;
    std::string_view summary;     // one line for the command list
    std::string_view description; // what --help adds after the usage line
    std::vector<OptionSyntax> options;
};

const std::vector<CommandSyntax>& commandSyntaxes();
// The command of that name; nullptr when there is none.
const CommandSyntax* findCommand(std::string_view name);

// "Usage: zorvane-cli render CASE.zvr OUT.png|OUT.pdf|OUT.svg [options]"
std::string usageLine(const CommandSyntax& command);
// The command's --help text.
std::string commandHelp(const CommandSyntax& command);
// zorvane-cli --help: every command with its summary.
std::string programHelp();

} // namespace zorvane::cli
