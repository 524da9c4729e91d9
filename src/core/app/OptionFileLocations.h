#pragma once
// Where each option file is read from and written to. The program's folder holds them when
// this user may write there and owns it (the build tree, a copy in the user's own folders);
// an installed program's folder belongs to the system, so each user then keeps their own
// copies in their configuration folder: read from there once they exist, otherwise from the
// copies shipped in the program's folder, and always written there. Two users of one
// installation therefore never share or overwrite each other's options. ZORVANE_HOME, when
// set, overrides both (tests never touch a real installation or a real user's options).
#include <filesystem>
#include <string_view>

namespace zorvane {

struct OptionFilePaths {
    std::filesystem::path readFrom;
    std::filesystem::path writeTo;
};

class OptionFileLocations {
  public:
    // `userConfigFolder`: the user's configuration folder for this program (may not exist
    // yet). `home`: ZORVANE_HOME, empty when not set. Whether the program's folder is usable
    // is decided here, once.
    OptionFileLocations(std::filesystem::path programFolder, std::filesystem::path userConfigFolder,
                        std::filesystem::path home);

    // Where `fileName` (e.g. "progop.ini") is read from now, and where it is written to.
    OptionFilePaths locate(std::string_view fileName) const;

    // The folder option files are written to.
    const std::filesystem::path& writeFolder() const { return writeFolder_; }
    // True when the user's own copies are used.
    bool perUser() const { return perUser_; }

  private:
    std::filesystem::path programFolder_;
    std::filesystem::path writeFolder_;
    bool perUser_ = false;
};

// True when the current user owns `folder` and may create files in it.
bool ownFolderWritable(const std::filesystem::path& folder);

} // namespace zorvane
