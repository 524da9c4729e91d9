#pragma once
// A printed plan: "Case name: " and the case's name in Arial bold 11 points at (50, 10),
// then the picture, proportions kept, below it.
#include <QImage>
#include <QString>

class QPrinter;

namespace zorvane::ui {

// One print job on `printer`. Throws std::runtime_error when the job cannot start (no
// printer, a file that cannot be written).
void printPlan(QPrinter& printer, const QImage& picture, const QString& caseName);

} // namespace zorvane::ui
