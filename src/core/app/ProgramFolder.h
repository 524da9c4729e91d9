#pragma once
// Where option files, report templates and help live: the program's own folder, or the
// folder named by ZORVANE_HOME (tests, portable installs).
#include <filesystem>

namespace zorvane {

// `executableDir` is used when ZORVANE_HOME is not set or empty.
std::filesystem::path programFolder(const std::filesystem::path& executableDir);

} // namespace zorvane
