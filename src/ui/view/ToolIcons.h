#pragma once
#include <QIcon>
#include <QString>

namespace zorvane::ui {

// The drawing window's toolbar pictures, drawn rather than shipped so that they scale and need
// no image files. Names are the buttons' names (bsave, zoomplus, showpl, ...); "pickPosition"
// is the crosshair of buttons that take a place on the plan from the next click.
QIcon toolIcon(const QString& name);

} // namespace zorvane::ui
