#include "model/DescriptorList.h"

#include "text/Cp1252.h"

#include <array>
#include <unordered_set>

namespace zorvane {

// A set of lower-cased texts keeps this linear for large cases.
std::vector<std::string> descriptorList(const PointTable& points) {
    static const auto lower = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = cp1252Lower(static_cast<char>(b));
        return t;
    }();
    std::vector<std::string> list;
    std::unordered_set<std::string> seen;
    std::string key;
    std::string_view previous;
    for (const auto& p : points) {
        const std::string_view d = p.descriptor.view();
        if (!list.empty() && d == previous) continue; // runs of one descriptor are common
        previous = d;
        key.resize(d.size());
        for (std::size_t i = 0; i < d.size(); ++i) key[i] = lower[static_cast<unsigned char>(d[i])];
        if (seen.insert(key).second) list.emplace_back(d);
    }
    return list;
}

} // namespace zorvane
