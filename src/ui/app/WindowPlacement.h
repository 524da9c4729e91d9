#pragma once
#include <QScreen>
#include <QWidget>

namespace zorvane::ui {

// Dialogs of the program open in the middle of the desktop, not of the window that opened them.
inline void centreOnDesktop(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace zorvane::ui
