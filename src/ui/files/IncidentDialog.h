#pragma once
// " Incident description": date, hour, place, two names and the circumstances of the case.
#include "model/IncidentRecord.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zorvane::ui {

class MemoEdit;

class IncidentDialog : public QDialog {
    Q_OBJECT
  public:
    explicit IncidentDialog(QWidget* parent = nullptr);

    // Fills the six fields from the record.
    void load(const IncidentRecord& record);
    // The record the fields make, each text cut to its capacity.
    IncidentRecord record() const;

    QLineEdit* dateField() const { return da_; }
    QLineEdit* hourField() const { return hr_; }
    QLineEdit* placeField() const { return pla_; }
    QLineEdit* name1Field() const { return d1_; }
    QLineEdit* name2Field() const { return d2_; }
    MemoEdit* circumstancesField() const { return circ_; }

  Q_SIGNALS:
    void helpRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* addLine(const char* name, int maxLength);

    QLineEdit* da_;
    QLineEdit* hr_;
    QLineEdit* pla_;
    QLineEdit* d1_;
    QLineEdit* d2_;
    MemoEdit* circ_;
};

} // namespace zorvane::ui
