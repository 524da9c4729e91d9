#pragma once
// Stands in for the user inside a modal dialog: `act` runs once `dialog` is visible (the
// dialog's own event loop is running then). Call it before the code that opens the dialog.
// A dialog that `act` left open (a failed check returns early) is rejected, so that a failing
// test ends instead of waiting for a user.
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zorvane::testing {

inline void whenShown(QWidget* dialog, std::function<void()> act, int attempts = 500) {
    QTimer::singleShot(10, dialog,
                       [dialog = QPointer<QWidget>(dialog), act = std::move(act), attempts] {
                           if (!dialog) return;
                           if (dialog->isVisible())
                               act();
                           else if (attempts > 0)
                               whenShown(dialog, act, attempts - 1);
                       });
}

} // namespace zorvane::testing
