#pragma once
// Stored colours are 0x00BBGGRR; Qt's are 0xAARRGGBB.
#include "model/PointRecord.h"

#include <QColor>

namespace zorvane::ui {

inline QRgb toQRgb(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline QColor toQColor(Colour c) { return QColor(toQRgb(c)); }

} // namespace zorvane::ui
