#include "app/OptionFileLocations.h"

#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace zorvane {
namespace fs = std::filesystem;

bool ownFolderWritable(const fs::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // Writable alone is not enough: a folder shared by several users (or the system's own,
    // as seen by root) would make them share one set of options.
    if (st.st_uid != ::geteuid()) return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

OptionFileLocations::OptionFileLocations(fs::path programFolder, fs::path userConfigFolder,
                                         fs::path home) {
    if (!home.empty()) {
        programFolder_ = home;
        writeFolder_ = std::move(home);
        return;
    }
    programFolder_ = std::move(programFolder);
    perUser_ = !userConfigFolder.empty() && !ownFolderWritable(programFolder_);
    writeFolder_ = perUser_ ? std::move(userConfigFolder) : programFolder_;
}

OptionFilePaths OptionFileLocations::locate(std::string_view fileName) const {
    const fs::path own = writeFolder_ / fileName;
    if (!perUser_) return {own, own};
    std::error_code ec;
    // Until this user has saved options of their own, the shipped defaults are read.
    const bool haveOwn = fs::exists(fs::symlink_status(own, ec));
    return {haveOwn ? own : programFolder_ / fileName, own};
}

} // namespace zorvane
