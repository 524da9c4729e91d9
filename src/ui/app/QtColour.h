#pragma once
// Stored colours are 0x00BBGGRR; Qt's are 0xAARRGGBB.
#include "model/PointRecord.h"

#include <QColor>

namespace zorvane::ui {

inline QRgb toQRgb(Colour c) {
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline QColor toQColor(Colour c) {
    return QColor(toQRgb(c));
}
inline Colour fromQColor(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
           static_cast<Colour>(c.blue()) << 16;
}

} // namespace zorvane::ui
