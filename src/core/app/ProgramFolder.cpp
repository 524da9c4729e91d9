#include "app/ProgramFolder.h"

#include <cstdlib>

namespace zorvane {
namespace fs = std::filesystem;

fs::path zorvaneHome() {
    if (const char* home = std::getenv(kZorvaneHomeVariable); home && *home) return home;
    return {};
}

bool holdsProgramData(const fs::path& folder) {
    std::error_code ec;
    for (const char* marker : {"zorvane_help.html", "progop.ini"})
        if (fs::is_regular_file(folder / marker, ec)) return true;
    return false;
}

fs::path programFolder(const fs::path& executableDir, const fs::path& home) {
    if (!home.empty()) return home;
    if (holdsProgramData(executableDir)) return executableDir;
    const fs::path installed = (executableDir / ".." / "share" / "zorvane").lexically_normal();
    std::error_code ec;
    if (fs::is_directory(installed, ec)) return installed;
    return executableDir;
}

fs::path programFolder(const fs::path& executableDir) {
    return programFolder(executableDir, zorvaneHome());
}

} // namespace zorvane
