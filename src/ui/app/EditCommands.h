#pragma once
// Undo and Redo, and the Drawing Settings menu: the units dialog and the renumbering dialog.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QObject>

namespace zorvane::ui {

class DrawingSettingsDialog;
class MainWindow;

class EditCommands : public QObject {
    Q_OBJECT
  public:
    EditCommands(const AppContext& context, CaseDocument& document, MainWindow& window,
                 std::function<void()> showHelp);
    ~EditCommands() override;

    void undo();
    void redo();
    void showUnits();
    void showRenumber();
    DrawingSettingsDialog* unitsDialog() const { return unitsDialog_; }

  private:
    void caseChanged(unsigned changes);

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    std::function<void()> showHelp_;
    DrawingSettingsDialog* unitsDialog_ = nullptr;
    int observer_ = 0;
};

} // namespace zorvane::ui
