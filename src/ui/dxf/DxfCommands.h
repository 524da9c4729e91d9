#pragma once
// The "&DXF Export" menu: "&Options" shows the DXF Export Options window, "Create &DXF file"
// writes the open case as a DXF drawing. Both read the options file each time.
#include "case/CaseDocument.h"
#include "model/DxfExportOptions.h"
#include "ui/app/AppContext.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace zorvane::ui {

class DxfOptionsWindow;
class MainWindow;

class DxfCommands : public QObject {
    Q_OBJECT
  public:
    DxfCommands(const AppContext& context, CaseDocument& doc, MainWindow& window,
                std::function<void()> showHelp);
    ~DxfCommands() override;

    // "&Options" (Options1Click): Ok writes the options file, Cancel writes nothing.
    void showOptions();
    // "Create &DXF file" (DXFExport2Click).
    void exportDrawing();

    DxfOptionsWindow* optionsWindow() const { return options_; }

  private:
    // The options as the file holds them; a missing or damaged file gives the defaults, and
    // the user hears of it once in this run, not at every reading.
    DxfExportOptions loadOptions();
    void saveOptions(const DxfExportOptions& options);
    void caseChanged(unsigned changes);

    const AppContext& ctx_;
    CaseDocument& doc_;
    MainWindow& window_;
    DxfOptionsWindow* options_ = nullptr;
    QString folder_;       // dxfoutpath
    std::string reported_; // the reset message already shown
    int observer_ = 0;
};

} // namespace zorvane::ui
