#pragma once
// " Coordinates Export Options": which parts of a point the coordinate exports write. The
// command unit fills it from qkrxyzop.ini each time it is shown and writes the file on "Ok".
#include "model/ExportOptions.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace zorvane::ui {

class ExportOptionsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ExportOptionsWindow(QWidget* parent = nullptr);

    void setOptions(const ExportOptions& options);
    ExportOptions options() const;

  Q_SIGNALS:
    void okRequested();
    void helpRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QCheckBox* expp_;
    QRadioButton* rb2_; // "In 3D"
    QRadioButton* rb1_; // "In 2D"
    QCheckBox* expn_;
    QCheckBox* expd_;
    QCheckBox* expc_;
};

} // namespace zorvane::ui
