#pragma once
// "Export Plan as PDF / SVG…": the plan as a court exhibit, from the Report menu and the
// drawing window's Standard tool bar. The scale, paper and orientation are asked first (for a
// case just opened the largest scale at which its plan fits on the last paper chosen, later the
// last choice), then the file.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"
#include "view/ExhibitSettings.h"

#include <QObject>

#include <optional>

namespace zorvane::ui {

class DrawingWindow;
class ExhibitDialog;
class MainWindow;

class ExhibitCommands : public QObject {
    Q_OBJECT
  public:
    ExhibitCommands(const AppContext& context, CaseDocument& document, MainWindow& window,
                    DrawingWindow& drawing);
    ~ExhibitCommands() override;

    // The whole command; false when it was cancelled or refused.
    bool exportPlan();
    // What the dialog offers when it opens.
    ExhibitSettings suggestedSettings() const;

  private:
    std::optional<ExhibitSettings> askSettings();
    void enable();

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    DrawingWindow& drawing_;
    std::optional<ExhibitSettings> last_; // of this case
    Paper paper_ = Paper::A4;
    int observer_ = 0;
};

// The remembered folder of the exhibits.
inline constexpr const char* kExhibitFolderSetting = "exhibitpath";

} // namespace zorvane::ui
