#pragma once
// The Report menu: the report option, the Word report and the LibreOffice Writer report.
#include "case/CaseDocument.h"
#include "reports/ReportContent.h"
#include "ui/app/AppContext.h"
#include "uno/OfficeSettings.h"

#include <QObject>
#include <filesystem>

namespace zorvane::ui {

class DrawingWindow;
class MainWindow;
class ReportOptionsDialog;
class ReportWaitWindow;
struct DrawingSnapshot;

class ReportCommands : public QObject {
    Q_OBJECT
  public:
    ReportCommands(AppContext& context, CaseDocument& document, MainWindow& window,
                   DrawingWindow& drawing);
    ~ReportCommands() override;

    void showOptions();
    void wordReport();
    void officeReport();

    // Where LibreOffice is and how it is reached (the installed office by default).
    void setOfficeSettings(OfficeSettings settings) { office_ = std::move(settings); }

    ReportOptionsDialog* optionsDialog() const { return options_; }
    ReportWaitWindow* waitWindow() const { return wait_; }
    // The last document a report wrote (the Word report keeps one).
    const std::filesystem::path& lastDocument() const { return lastDocument_; }

  private:
    DrawingSnapshot takeDrawing();
    ReportContent content(std::vector<std::uint8_t> png) const;
    void caseChanged(unsigned changes);
    void enableOfficeReport();

    AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    DrawingWindow& drawing_;
    ReportOptionsDialog* options_ = nullptr;
    ReportWaitWindow* wait_ = nullptr;
    std::filesystem::path lastDocument_;
    OfficeSettings office_;
    int observer_ = 0;
};

// Where new reports are saved: the user's documents folder (created when missing), else home.
std::filesystem::path documentsFolder();

} // namespace zorvane::ui
