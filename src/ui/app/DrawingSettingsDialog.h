#pragma once
#include "model/UnitSettings.h"
#include "ui/app/UnitControls.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QRadioButton;

namespace zorvane {
class CaseDocument;
}

namespace zorvane::ui {

// " Drawing Settings": the number of decimals (applied at once), the unit system and unit, the
// conversion of the open case to the chosen unit, and "Close", which makes the chosen unit
// current without converting anything.
class DrawingSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Every change goes to the open case at once; the windows follow its notifications.
    DrawingSettingsDialog(CaseDocument& doc, std::function<void()> help, QWidget* parent = nullptr);

    // Shows this unit and these decimals; the case is not touched (a new or an opened case).
    void setUnits(const UnitSettings& units);
    // The unit and decimals the dialog shows.
    UnitSettings choice() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void decimalsChanged(int index);
    void convert();
    void closeClicked();

    CaseDocument& doc_;
    std::function<void()> help_;
    UnitControls units_;
};

} // namespace zorvane::ui
