#pragma once
#include <QDialog>
#include <cstdint>

class QLineEdit;

namespace zorvane::ui {

// " Points renumbering": numbers all points consecutively from the given start.
class RenumberDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RenumberDialog(QWidget* parent = nullptr);
    QLineEdit* startField() const { return start_; }

  Q_SIGNALS:
    void renumberRequested(std::int32_t start);
    void helpRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void normaliseStart();
    QLineEdit* start_;
};

} // namespace zorvane::ui
