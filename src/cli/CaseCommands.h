#pragma once
// zorvane-cli info and resave.
namespace zorvane::cli {

class CliEnvironment;
class CommandLine;

void runInfo(const CommandLine& line, CliEnvironment& env);
void runResave(const CommandLine& line, CliEnvironment& env);

} // namespace zorvane::cli
