#include "ui/view/PlanPrinting.h"

#include "view/PrintLayout.h"

#include <QPainter>
#include <QPrinter>

#include <stdexcept>

namespace zorvane::ui {

void printPlan(QPrinter& printer, const QImage& picture, const QString& caseName) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The picture could not be printed: the printer did not start the "
                                 "job. Choose a printer, or printing to a file, in Printer Setup.");
    // The font's points follow the printer's own resolution.
    QFont font("Arial");
    font.setPointSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kCaseNameX, kCaseNameY, printer.width() - kCaseNameX, kPictureTop),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, "Case name: " + caseName);
    const DeviceRect r =
        printedPicture(picture.width(), picture.height(), printer.width(), printer.height());
    // Copied pixel for pixel, as on the screen: smoothing would blur the plan's thin lines.
    if (r.width() > 0 && r.height() > 0)
        painter.drawImage(QRect(r.left, r.top, r.width(), r.height()), picture);
    if (!painter.end())
        throw std::runtime_error("The picture could not be printed: the print job failed.");
}

} // namespace zorvane::ui
