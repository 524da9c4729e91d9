#pragma once
// The per-user remembered folders (qkvpath, importpath, dxfoutpath).
#include <string>

namespace zorvane {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Empty when the value does not exist.
    virtual std::string folder(const std::string& name) const = 0;
    virtual void setFolder(const std::string& name, const std::string& path) = 0;
};

} // namespace zorvane
