#pragma once
// Scripted answers for the Prompts seam: no test ever waits on a modal dialog. Every box
// shown is recorded; a question without a scripted answer fails loudly.
#include "app/Prompts.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::testing {

class FakePrompts : public Prompts {
  public:
    struct Shown {
        std::string
            kind; // "error", "information", "save?", "open", "open files", "save", "font", "colour"
        std::string text; // message, or the dialog title
        FileDialogRequest request;
        FontChoice font{};      // "font": the font it opened with
        ColourRequest colour{}; // "colour": the number and place it opened with
    };

    // Answers, used in order.
    std::deque<SaveAnswer> saveAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    // For the dialogs that take several files; an empty list is Cancel.
    std::deque<std::vector<std::string>> fileListAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<ColourChoice> colourAnswers;

    std::vector<Shown> shown;
    // Runs while any box or dialog is "open": a test can stand in for the user there (press a
    // key in a real modal window, throw as a failing dialog would).
    std::function<void()> whileOpen;

    void error(const std::string& text) override;
    void information(const std::string& text) override;
    SaveAnswer askSaveChanges() override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;
    ColourChoice chooseColour(const ColourRequest& request) override;

    // Messages of one kind, in order.
    std::vector<std::string> texts(const std::string& kind) const;
    std::vector<std::string> errors() const { return texts("error"); }
    void clear() { shown.clear(); }
};

} // namespace zorvane::testing
