#pragma once
// Every modal interaction with the user goes through this seam: real dialogs in the program,
// scripted answers in tests. Texts are UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace zorvane {

enum class SaveAnswer { Yes, No, Cancel };

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Name (*.a)|*.a|Other (*.b)|*.b"
    int filterIndex = 1; // counted from 1
    std::string defaultExtension;
    std::string initialFolder;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // Caption "Error", error icon, OK.
    virtual void error(const std::string& text) = 0;
    // Plain information box with OK.
    virtual void information(const std::string& text) = 0;
    // "Warning" / "File has changed, do you want to save it ?"; closing the box answers No.
    virtual SaveAnswer askSaveChanges() = 0;
    // Chosen file names; nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // An open dialog that takes several files: their names in the dialog's order, none when
    // cancelled.
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
};

} // namespace zorvane
