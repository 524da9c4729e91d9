#include "ui/reports/ReportJob.h"

#include "ui/reports/ReportWaitWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <exception>
#include <thread>

namespace zorvane::ui {

namespace {

constexpr int kProgressIntervalMs = 40;

// Swallows what the user does while a report is made; painting and timers go on.
class InputBlocker : public QObject {
  public:
    InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Drop:
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            return false;
        }
    }
};

// Hides the wait window however the report ends.
struct HideOnExit {
    ReportWaitWindow& wait;
    ~HideOnExit() { wait.hide(); }
};

} // namespace

void ReportJob::run(ReportWaitWindow& wait, const QString& text, const Work& work) {
    wait.start(text);
    const HideOnExit hide{wait};
    const InputBlocker blocker;

    std::atomic<int> step{0};
    std::atomic<int> steps{1};
    std::exception_ptr error;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(kProgressIntervalMs);
    QObject::connect(&timer, &QTimer::timeout, &wait, [&] { wait.setProgress(step, steps); });
    timer.start();

    std::thread worker([&] {
        try {
            work([&](int s, int n) {
                steps = n;
                step = s;
            });
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    timer.stop();
    wait.setProgress(step, steps);
    if (error) std::rethrow_exception(error);
}

} // namespace zorvane::ui
