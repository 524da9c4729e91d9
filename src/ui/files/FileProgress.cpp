#include "ui/files/FileProgress.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace zorvane::ui {
namespace {
constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 1000;
} // namespace

FileProgress::FileProgress(QWidget* parent, const QString& text)
    : dialog_(text, "Cancel", 0, kSteps, parent),
      callback_([this](double f) { return update(f); }) {
    dialog_.setObjectName("progress");
    dialog_.setWindowTitle(QCoreApplication::applicationName());
    // Modal for the whole program: while it shows, no other command can start under the work.
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
}

bool FileProgress::update(double fraction) {
    const int value = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kSteps));
    // A visible modal bar runs the event loop itself in setValue. Until it shows, the windows
    // still repaint, but no click or key can start another command in the middle of this one.
    dialog_.setValue(value);
    if (!dialog_.isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !dialog_.wasCanceled();
}

} // namespace zorvane::ui
