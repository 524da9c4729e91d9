#pragma once
// The drawing window's "Standard" tools on the picture as it stands: save it as a bitmap,
// copy it to the clipboard, choose a printer and print it.
#include "case/CaseDocument.h"
#include "ui/app/AppContext.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace zorvane::ui {

inline constexpr const char* kBitmapWriteError =
    "The drive selected is read only or there is no disk space available.";

class PictureCommands : public QObject {
    Q_OBJECT
  public:
    // `picture` is the drawing surface's image; `window` parents the dialogs.
    PictureCommands(const AppContext& context, const CaseDocument& doc, const QImage& picture,
                    QWidget* window);
    ~PictureCommands() override;

    void savePicture();  // bsave
    void copyPicture();  // ToolButton10
    void printerSetup(); // ToolButton7
    void printPicture(); // bprint

    // The printer of the next print; Printer Setup changes it. Made on first use: asking the
    // print system for its printers can take a moment.
    QPrinter& printer();
    // The printer dialog; tests stand in for the user here. True when confirmed.
    std::function<bool(QPrinter&, QWidget*)> runPrinterDialog;

  private:
    const AppContext& ctx_;
    const CaseDocument& doc_;
    const QImage& picture_;
    QWidget* window_;
    std::unique_ptr<QPrinter> printer_;
    QString folder_; // of the last saved bitmap, for this run
};

} // namespace zorvane::ui
