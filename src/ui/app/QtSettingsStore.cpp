#include "ui/app/QtSettingsStore.h"

namespace zorvane::ui {

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Zorvane", "Zorvane10") {}

std::string QtSettingsStore::folder(const std::string& name) const {
    return settings_.value(QString::fromStdString(name)).toString().toStdString();
}

void QtSettingsStore::setFolder(const std::string& name, const std::string& path) {
    settings_.setValue(QString::fromStdString(name), QString::fromStdString(path));
    settings_.sync();
}

} // namespace zorvane::ui
