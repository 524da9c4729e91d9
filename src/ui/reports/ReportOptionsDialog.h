#pragma once
#include <QDialog>

class QCheckBox;

namespace zorvane::ui {

// " Report Options ": the one report option. A click takes effect at once; " Close" only
// closes the window.
class ReportOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ReportOptionsDialog(QWidget* parent = nullptr);

    QCheckBox* zoomAllBox() const { return checkBox1_; }
    // Shows the option as it is now, without announcing a change.
    void setZoomAll(bool on);

  Q_SIGNALS:
    void zoomAllChanged(bool on);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QCheckBox* checkBox1_;
};

} // namespace zorvane::ui
