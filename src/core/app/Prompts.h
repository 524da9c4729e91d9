#pragma once
// Every modal interaction with the user goes through this seam: real dialogs in the program,
// scripted answers in tests. Texts are UTF-8.
#include "app/ColourChoice.h"

#include <cstdint>
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

// A font with its colour, chosen in one step: a name (UTF-8), a height in the usual signed
// sense (negative: character height in pixels, positive: cell height), style bits (bold 1,
// italic 2, underline 4, strike-out 8) and a colour 0x00BBGGRR.
struct FontChoice {
    std::string name;
    std::int32_t height = 0;
    std::uint8_t style = 0;
    std::uint32_t colour = 0;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The colour chooser opens with `number` in its field, its top-left corner 238 pixels left of
// and 85 above (anchorX, anchorY), the screen position of the button that opened it.
struct ColourRequest {
    int number = 0;
    int anchorX = 0, anchorY = 0;
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
    // The font dialog, which also picks the colour; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
    // " Color selection": always gives a result, however the chooser was closed.
    virtual ColourChoice chooseColour(const ColourRequest& request) = 0;
};

} // namespace zorvane
