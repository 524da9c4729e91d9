#include "model/DescriptorList.h"

#include "text/Cp1252.h"

namespace zorvane {
namespace {

const std::array<char, 256>& lowerTable() {
    static const auto table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = cp1252Lower(static_cast<char>(b));
        return t;
    }();
    return table;
}

} // namespace

std::size_t DescriptorListBuilder::slot(std::string_view d) {
    std::size_t h = d.size() * 31;
    if (!d.empty())
        h += static_cast<unsigned char>(d.front()) * 7u + static_cast<unsigned char>(d.back());
    if (d.size() > 2) h += static_cast<unsigned char>(d[d.size() / 2]) * 131u;
    return h % kRecent;
}

void DescriptorListBuilder::add(std::string_view d) {
    const std::size_t s = slot(d);
    if (used_[s] && recent_[s] == d) return;
    used_[s] = true;
    recent_[s].assign(d);
    const auto& lower = lowerTable();
    key_.resize(d.size());
    for (std::size_t i = 0; i < d.size(); ++i) key_[i] = lower[static_cast<unsigned char>(d[i])];
    if (seen_.insert(key_).second) list_.emplace_back(d);
}

std::vector<std::string> descriptorList(const PointTable& points) {
    DescriptorListBuilder builder;
    for (const auto& p : points) builder.add(p.descriptor.view());
    return builder.take();
}

} // namespace zorvane
