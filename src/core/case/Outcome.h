#pragma once
// What a command on the open case tells the window that asked for it: whether the case
// changed, the message for the error box, and the field the user should correct.
#include <string>

namespace zorvane {

enum class Field {
    None,
    Number, // the entry page's point number
    Value,  // the entry page's value field `index`
    Points, // the polylines window's points text
};

struct Outcome {
    bool changed = false;
    std::string error; // UTF-8; empty when the command went through
    Field focus = Field::None;
    int index = 0; // with Field::Value: which value field
    int row = -1;  // the grid row or table entry written, when there is one

    bool failed() const { return !error.empty(); }
    static Outcome done(int row = -1) { return {true, {}, Field::None, 0, row}; }
    static Outcome unchanged() { return {}; }
    static Outcome refused(std::string message, Field focus = Field::None, int index = 0) {
        return {false, std::move(message), focus, index, -1};
    }
};

} // namespace zorvane
