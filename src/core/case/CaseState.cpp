#include "case/CaseState.h"

#include "text/Cp1252.h"

#include <algorithm>

namespace zorvane {

bool addDescriptor(std::vector<std::string>& list, std::string_view text) {
    if (std::any_of(list.begin(), list.end(),
                    [&](const std::string& d) { return equalsIgnoreCase(d, text); }))
        return false;
    list.emplace_back(text);
    return true;
}

} // namespace zorvane
