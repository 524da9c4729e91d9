#pragma once
#include "app/Prompts.h"

#include <QDialog>

namespace zorvane::ui {

// "File has changed, do you want to save it ?" with Yes / No / Cancel. Closing it answers No.
class SavePromptDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SavePromptDialog(QWidget* parent = nullptr);
    SaveAnswer ask();

  private:
    SaveAnswer answer_ = SaveAnswer::No;
};

} // namespace zorvane::ui
