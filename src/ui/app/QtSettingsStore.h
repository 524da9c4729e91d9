#pragma once
#include "app/SettingsStore.h"

#include <QSettings>

namespace zorvane::ui {

// The remembered folders in the user's settings for "Zorvane10" (created on first write).
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    std::string folder(const std::string& name) const override;
    void setFolder(const std::string& name, const std::string& path) override;

  private:
    mutable QSettings settings_;
};

} // namespace zorvane::ui
