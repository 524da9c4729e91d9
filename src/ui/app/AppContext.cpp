#include "ui/app/AppContext.h"

#include <QDate>
#include <QDesktopServices>

namespace zorvane::ui {

std::function<bool(const QUrl&)> desktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::string todayText() { return QDate::currentDate().toString("dd/MM/yyyy").toStdString(); }

} // namespace zorvane::ui
