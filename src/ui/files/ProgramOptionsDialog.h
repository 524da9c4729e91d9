#pragma once
// " Program Options": defaults for new cases, saving images within the case file and
// remembering the windows' state. Ok takes the controls into the options; Cancel keeps what the
// user changed in the controls, which the next showing and the quit still see.
#include "app/Prompts.h"
#include "model/ProgramOptions.h"
#include "ui/app/UnitControls.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zorvane::ui {

class ProgramOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // Ok takes the controls into `options` (the program's); errors go to `prompts`.
    ProgramOptionsDialog(ProgramOptions& options, Prompts& prompts, std::function<void()> help,
                         QWidget* parent = nullptr);

    // The controls show these options (start-up).
    void showOptions(const ProgramOptions& options);
    // The controls taken into `options` (the steps of Ok). When the first point number is not
    // an integer, the message is returned and the options taken so far keep their new values;
    // with `pastABadNumber` the rest is taken as well and the old number kept.
    std::optional<std::string> takeInto(ProgramOptions& options, bool pastABadNumber = false) const;

  Q_SIGNALS:
    // Ok went through: the options were taken.
    void optionsTaken();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ok();

    ProgramOptions& options_;
    Prompts& prompts_;
    QCheckBox* saveImages_;
    QCheckBox* remember_;
    UnitControls units_;
    QLineEdit* firstNumber_;
    std::function<void()> help_;
};

} // namespace zorvane::ui
