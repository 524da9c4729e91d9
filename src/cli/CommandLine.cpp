#include "cli/CommandLine.h"

#include "cli/CliError.h"

#include <algorithm>

namespace zorvane::cli {
namespace {

const OptionSyntax* findOption(const CommandSyntax& command, std::string_view name) {
    const auto it = std::find_if(command.options.begin(), command.options.end(),
                                 [&](const OptionSyntax& o) { return o.name == name; });
    return it == command.options.end() ? nullptr : &*it;
}

CliError usageOf(const CommandSyntax& command, const std::string& problem) {
    return CliError::usage(problem + "\n" + usageLine(command) + "\nTry 'zorvane-cli " +
                           std::string(command.name) + " --help'.");
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& args) {
    if (args.empty()) throw CliError::usage("no command given.\nTry 'zorvane-cli --help'.");
    CommandLine line;
    line.command_ = findCommand(args.front());
    if (!line.command_)
        throw CliError::usage("'" + args.front() +
                              "' is not a command.\nTry 'zorvane-cli --help'.");
    const CommandSyntax& command = *line.command_;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 3 || a.compare(0, 2, "--") != 0) {
            if (a == "--") {
                optionsEnded = true;
                continue;
            }
            line.arguments_.push_back(a);
            continue;
        }
        const std::size_t equals = a.find('=');
        const std::string name =
            a.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionSyntax* option = findOption(command, name);
        if (!option) throw usageOf(command, "unknown option '--" + name + "'.");
        std::string value;
        if (option->valueName.empty()) {
            if (equals != std::string::npos)
                throw usageOf(command, "'--" + name + "' takes no value.");
        } else if (equals != std::string::npos) {
            value = a.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw usageOf(command, "'--" + name + "' needs a value (" +
                                       std::string(option->valueName) + ").");
        }
        if (line.options_.count(name)) throw usageOf(command, "'--" + name + "' is given twice.");
        line.options_.emplace(name, std::move(value));
    }
    if (!line.helpRequested() && line.arguments_.size() != command.argumentCount)
        throw usageOf(command, line.arguments_.size() < command.argumentCount
                                   ? std::string("missing arguments.")
                                   : "too many arguments.");
    return line;
}

bool CommandLine::has(std::string_view option) const {
    return options_.find(option) != options_.end();
}

std::optional<std::string> CommandLine::value(std::string_view option) const {
    const auto it = options_.find(option);
    if (it == options_.end()) return std::nullopt;
    return it->second;
}

} // namespace zorvane::cli
