#pragma once
// Where option files, report templates and help live. In order: the folder named by
// ZORVANE_HOME (tests, portable use); the program's own folder when it holds the data (the
// build tree, an unpacked copy); else the installed data folder ../share/zorvane beside the
// program's bin folder.
#include <filesystem>

namespace zorvane {

inline constexpr const char* kZorvaneHomeVariable = "ZORVANE_HOME";

// The value of ZORVANE_HOME; empty when it is not set or empty.
std::filesystem::path zorvaneHome();

// True when `folder` holds the program's data (its help page or its program options).
bool holdsProgramData(const std::filesystem::path& folder);

// The rule above with `home` standing for ZORVANE_HOME (empty: not set). When neither the
// program's folder nor ../share/zorvane exists as expected, the program's folder is used so
// that a bare copy of the program still finds what is put beside it.
std::filesystem::path programFolder(const std::filesystem::path& executableDir,
                                    const std::filesystem::path& home);

// The same with ZORVANE_HOME read from the environment.
std::filesystem::path programFolder(const std::filesystem::path& executableDir);

} // namespace zorvane
