#pragma once
// " Import Total Station File": what the chosen file looks like, and for a plain point file the
// order of its coordinates, before the open case is given up for it.
#include "files/TotalStationImport.h"

#include <QDialog>

class QLabel;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zorvane::ui {

class TotalStationImportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TotalStationImportDialog(QWidget* parent = nullptr);

    // The order choice is offered for plain files only: a GSI file says what it holds.
    void setPreview(const QString& fileName, const TotalStationPreview& preview);
    PlainPointOrder order() const;
    void setOrder(PlainPointOrder order);

    QLabel* formatLabel() const { return format_; }
    QPlainTextEdit* previewList() const { return preview_; }
    QRadioButton* pnezdButton() const { return pnezd_; }
    QRadioButton* penzdButton() const { return penzd_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* file_;
    QLabel* format_;
    QLabel* hint_;
    QPlainTextEdit* preview_;
    QGroupBox* order_;
    QRadioButton* pnezd_;
    QRadioButton* penzd_;
    QPushButton* ok_;
};

} // namespace zorvane::ui
