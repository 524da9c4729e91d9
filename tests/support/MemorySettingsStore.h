#pragma once
#include "app/SettingsStore.h"

#include <map>
#include <string>

namespace zorvane::testing {

class MemorySettingsStore : public SettingsStore {
  public:
    std::string folder(const std::string& name) const override {
        auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    }
    void setFolder(const std::string& name, const std::string& path) override {
        values[name] = path;
    }

    std::map<std::string, std::string> values;
};

} // namespace zorvane::testing
