#pragma once
// The running program: the open case, every window and every command unit, created once and
// wired together. main() and the window tests build one.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <memory>

namespace zorvane::ui {

class AttachmentCommands;
class CaseCommands;
class CoordinateCommands;
class DrawingWindow;
class DxfCommands;
class EditCommands;
class EntryController;
class FieldSurveyCommands;
class HelpCommands;
class MainWindow;
class PolylinesWindow;
class ProgramOptionsCommands;

class AppShell {
  public:
    explicit AppShell(AppContext& context);
    ~AppShell();

    CaseDocument& document() { return doc_; }
    MainWindow& mainWindow() { return *main_; }
    DrawingWindow& drawingWindow() { return *drawing_; }
    PolylinesWindow& polylinesWindow() { return *polylines_; }
    CaseCommands& cases() { return *cases_; }
    EntryController& entry() { return *entry_; }
    EditCommands& edit() { return *edit_; }
    HelpCommands& help() { return *help_; }
    CoordinateCommands& coordinates() { return *coordinates_; }
    FieldSurveyCommands& fieldSurvey() { return *fieldSurvey_; }

    ProgramOptionsCommands& programOptions() { return *programOptions_; }

    // Start-up after the windows exist: the option files read and, when the windows' state is
    // remembered, the windows put back where they were; then the main window shows.
    void start();
    AttachmentCommands& attachments() { return *attachments_; }
    DxfCommands& dxf() { return *dxf_; }

    // The main window's Show/Hide button.
    void toggleDrawing();
    bool drawingShown() const { return drawingShown_; }
    void showPolylines();

  private:
    void drawingClosed();
    // The windows' state into the options, at quit.
    void snapshotWindows(ProgramOptions& options);
    void restoreWindows(const ProgramOptions& options);
    void quitting();

    AppContext& ctx_;
    CaseDocument doc_; // first in, last out: every window observes it
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<DrawingWindow> drawing_;
    PolylinesWindow* polylines_ = nullptr; // owned by the main window
    CaseCommands* cases_ = nullptr;
    EntryController* entry_ = nullptr;
    EditCommands* edit_ = nullptr;
    HelpCommands* help_ = nullptr;
    ProgramOptionsCommands* programOptions_ = nullptr;
    CoordinateCommands* coordinates_ = nullptr;
    AttachmentCommands* attachments_ = nullptr;
    DxfCommands* dxf_ = nullptr;
    FieldSurveyCommands* fieldSurvey_ = nullptr;
    bool drawingShown_ = false;
    bool drawingPlaced_ = false;
    bool polylinesPlaced_ = false;
};

} // namespace zorvane::ui
