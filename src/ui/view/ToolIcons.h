#pragma once
#include <QIcon>
#include <QString>

namespace zorvane::ui {

// The drawing window's toolbar pictures, drawn rather than shipped so that they scale and need
// no image files. Names are the buttons' names (bsave, zoomplus, showpl, ...).
QIcon toolIcon(const QString& name);

} // namespace zorvane::ui
