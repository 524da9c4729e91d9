#include "ui/view/PictureCommands.h"

#include "files/AtomicFile.h"
#include "ui/app/BusyCursor.h"
#include "ui/app/Cp1252Text.h"
#include "ui/view/PlanPrinting.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <span>

namespace zorvane::ui {
namespace {

// The system printer dialog, used here to choose a printer only: its button says so.
bool systemPrinterDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Printer Setup");
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText("OK");
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PictureCommands::PictureCommands(const AppContext& context, const CaseDocument& doc,
                                 const QImage& picture, QWidget* window)
    : QObject(window), runPrinterDialog(systemPrinterDialog), ctx_(context), doc_(doc),
      picture_(picture), window_(window) {}

PictureCommands::~PictureCommands() = default;

void PictureCommands::savePicture() {
    FileDialogRequest request;
    request.title = "Save image as Bitmap";
    request.filter = "Bitmaps (*.bmp)|*.bmp";
    request.defaultExtension = "bmp";
    request.initialFolder = folder_.toStdString();
    const auto path = ctx_.prompts.saveFile(request);
    if (!path) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture_.save(&buffer, "BMP"))
        throw std::runtime_error("The picture could not be made into a bitmap.");
    try {
        // Whole or not at all: a failed save leaves an earlier file of that name as it was.
        writeFileAtomically(*path,
                            std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
    } catch (const FileWriteError&) {
        ctx_.prompts.error(kBitmapWriteError);
        return;
    }
    folder_ = QFileInfo(QString::fromStdString(*path)).absolutePath();
}

void PictureCommands::copyPicture() {
    QApplication::clipboard()->setImage(picture_);
}

QPrinter& PictureCommands::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PictureCommands::printerSetup() {
    runPrinterDialog(printer(), window_);
}

void PictureCommands::printPicture() {
    BusyCursor busy;
    printPlan(printer(), picture_, fromCp1252(doc_.state().caseName));
}

} // namespace zorvane::ui
