#include "support/FakePrompts.h"

#include <stdexcept>

namespace zorvane::testing {

void FakePrompts::error(const std::string& text) {
    shown.push_back({"error", text, {}, {}, {}});
    if (whileOpen) whileOpen();
}

void FakePrompts::information(const std::string& text) {
    shown.push_back({"information", text, {}, {}, {}});
    if (whileOpen) whileOpen();
}

SaveAnswer FakePrompts::askSaveChanges() {
    shown.push_back({"save?", "File has changed, do you want to save it ?", {}, {}, {}});
    if (whileOpen) whileOpen();
    if (saveAnswers.empty()) throw std::logic_error("unexpected save prompt: no answer scripted");
    SaveAnswer a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

static std::optional<std::string> nextFile(std::deque<std::optional<std::string>>& answers,
                                           const char* what) {
    if (answers.empty())
        throw std::logic_error(std::string("unexpected ") + what + " dialog: no answer scripted");
    auto a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> FakePrompts::openFile(const FileDialogRequest& request) {
    shown.push_back({"open", request.title, request, {}, {}});
    if (whileOpen) whileOpen();
    return nextFile(fileAnswers, "open");
}

std::optional<std::string> FakePrompts::saveFile(const FileDialogRequest& request) {
    shown.push_back({"save", request.title, request, {}, {}});
    if (whileOpen) whileOpen();
    return nextFile(fileAnswers, "save");
}

std::vector<std::string> FakePrompts::openFiles(const FileDialogRequest& request) {
    shown.push_back({"open files", request.title, request});
    if (whileOpen) whileOpen();
    if (fileListAnswers.empty())
        throw std::logic_error("unexpected open files dialog: no answer scripted");
    auto a = std::move(fileListAnswers.front());
    fileListAnswers.pop_front();
    return a;
}

std::optional<FontChoice> FakePrompts::chooseFont(const FontChoice& current) {
    shown.push_back({"font", "Font", {}, current, {}});
    if (whileOpen) whileOpen();
    if (fontAnswers.empty()) throw std::logic_error("unexpected font dialog: no answer scripted");
    auto a = fontAnswers.front();
    fontAnswers.pop_front();
    return a;
}

ColourChoice FakePrompts::chooseColour(const ColourRequest& request) {
    shown.push_back({"colour", " Color selection", {}, {}, request});
    if (whileOpen) whileOpen();
    if (colourAnswers.empty())
        throw std::logic_error("unexpected colour chooser: no answer scripted");
    ColourChoice a = colourAnswers.front();
    colourAnswers.pop_front();
    return a;
}

std::vector<std::string> FakePrompts::texts(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& s : shown)
        if (s.kind == kind) out.push_back(s.text);
    return out;
}

} // namespace zorvane::testing
