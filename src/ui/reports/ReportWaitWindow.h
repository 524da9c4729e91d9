#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

namespace zorvane::ui {

// " Report": the small window that stays on top while a report is made, with what is being
// done and how far it got. It is not modal and has no buttons.
class ReportWaitWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ReportWaitWindow(QWidget* parent = nullptr);

    QLabel* label() const { return label1_; }
    QProgressBar* progressBar() const { return progressBar1_; }

    // Shows the window with the text and an empty bar, painted at once.
    void start(const QString& text);
    void setProgress(int step, int steps);

  private:
    QLabel* label1_;
    QProgressBar* progressBar1_;
};

} // namespace zorvane::ui
