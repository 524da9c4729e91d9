#include "app/ProgramFolder.h"

#include <cstdlib>

namespace zorvane {

std::filesystem::path programFolder(const std::filesystem::path& executableDir) {
    if (const char* home = std::getenv("ZORVANE_HOME"); home && *home) return home;
    return executableDir;
}

} // namespace zorvane
