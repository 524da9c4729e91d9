#pragma once
// zorvane-cli export-dxf, export-coords and import-coords: the files the menus write.
namespace zorvane::cli {

class CliEnvironment;
class CommandLine;

void runExportDxf(const CommandLine& line, CliEnvironment& env);
void runExportCoords(const CommandLine& line, CliEnvironment& env);
void runImportCoords(const CommandLine& line, CliEnvironment& env);

} // namespace zorvane::cli
