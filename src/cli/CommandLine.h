#pragma once
// One command line of zorvane-cli, read against its command's syntax: "--name value",
// "--name=value" and flags, in any order among the arguments; "--" ends the options.
#include "cli/CommandSyntax.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane::cli {

class CommandLine {
  public:
    // Throws CliError::usage for an unknown command or option, a missing value, or a wrong
    // number of arguments (unless --help is given).
    static CommandLine parse(const std::vector<std::string>& args);

    const CommandSyntax& command() const { return *command_; }
    bool helpRequested() const { return has("help"); }
    const std::vector<std::string>& arguments() const { return arguments_; }
    const std::string& argument(std::size_t i) const { return arguments_.at(i); }
    bool has(std::string_view option) const;
    std::optional<std::string> value(std::string_view option) const;

  private:
    const CommandSyntax* command_ = nullptr;
    std::vector<std::string> arguments_;
    std::map<std::string, std::string, std::less<>> options_;
};

} // namespace zorvane::cli
