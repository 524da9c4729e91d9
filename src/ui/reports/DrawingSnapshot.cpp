#include "ui/reports/DrawingSnapshot.h"

#include "reports/ReportError.h"
#include "reports/ReportFile.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

namespace zorvane::ui {

namespace {

// The bitmap replaces the previous one whole: a reader never sees half a picture.
bool writeBitmap(const QImage& drawing, const std::filesystem::path& path, QString& why) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
        return false;
    }
    if (!drawing.save(&file, "BMP")) {
        why = file.error() != QFileDevice::NoError ? file.errorString() : "the picture was refused";
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

std::vector<std::uint8_t> pngBytes(const QImage& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!drawing.save(&buffer, "PNG"))
        throw ReportError("The drawing could not be turned into a PNG picture.");
    return {bytes.begin(), bytes.end()};
}

} // namespace

std::filesystem::path userCacheFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty()) base = QDir::tempPath();
    return std::filesystem::path(base.toStdString()) / "zorvane";
}

DrawingSnapshot takeDrawingSnapshot(const QImage& drawing,
                                    const std::filesystem::path& programFolder) {
    if (drawing.isNull()) throw ReportError("The drawing has no picture to put in the report.");
    DrawingSnapshot snapshot;
    snapshot.png = pngBytes(drawing);
    QString programWhy, cacheWhy;
    const auto inProgram = programFolder / kDrawingBitmapName;
    if (writeBitmap(drawing, inProgram, programWhy)) {
        snapshot.bitmap = inProgram;
        return snapshot;
    }
    const auto cache = userCacheFolder();
    QDir().mkpath(QString::fromStdString(cache.string()));
    const auto inCache = cache / kDrawingBitmapName;
    if (writeBitmap(drawing, inCache, cacheWhy)) {
        snapshot.bitmap = inCache;
        return snapshot;
    }
    throw ReportError("The drawing could not be saved as \"" + inProgram.string() + "\" (" +
                      programWhy.toStdString() + ") nor as \"" + inCache.string() + "\" (" +
                      cacheWhy.toStdString() + ").");
}

} // namespace zorvane::ui
