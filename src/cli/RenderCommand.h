#pragma once
// zorvane-cli render: the plan as a PNG picture, or a court exhibit as PDF or SVG.
namespace zorvane::cli {

class CliEnvironment;
class CommandLine;

void runRender(const CommandLine& line, CliEnvironment& env);

} // namespace zorvane::cli
