#include "dxf/PointNumberIndex.h"

#include <algorithm>
#include <stdexcept>

namespace zorvane {

namespace {

std::vector<std::int32_t> numbersOf(const PointTable& points) {
    std::vector<std::int32_t> numbers;
    numbers.reserve(points.size());
    for (const PointRecord& p : points) numbers.push_back(p.number);
    return numbers;
}

} // namespace

PointNumberIndex::PointNumberIndex(const PointTable& points)
    : PointNumberIndex(numbersOf(points)) {}

PointNumberIndex::PointNumberIndex(std::span<const std::int32_t> numbers) {
    const std::size_t n = numbers.size();
    if (n == 0) return;
    if (n >= 0xFFFFFFFFu) throw std::length_error("too many points to index");
    const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
    const auto range = static_cast<std::uint64_t>(std::int64_t(*high) - *low) + 1;
    if (range <= 4 * std::uint64_t(n) + 1024) {
        low_ = *low;
        dense_.assign(static_cast<std::size_t>(range), 0);
        for (std::size_t i = n; i-- > 0;) // backwards, so the first point wins
            dense_[static_cast<std::size_t>(numbers[i] - low_)] = std::uint32_t(i + 1);
        return;
    }
    sorted_.reserve(n);
    for (std::size_t i = 0; i < n; ++i) sorted_.emplace_back(numbers[i], std::uint32_t(i));
    // Stable on the index: among equal numbers the first point comes first.
    std::sort(sorted_.begin(), sorted_.end());
}

std::optional<std::size_t> PointNumberIndex::find(std::int32_t number) const {
    if (!dense_.empty()) {
        const std::int64_t at = std::int64_t(number) - low_;
        if (at < 0 || at >= std::int64_t(dense_.size())) return std::nullopt;
        const std::uint32_t slot = dense_[static_cast<std::size_t>(at)];
        if (slot == 0) return std::nullopt;
        return slot - 1;
    }
    const auto it = std::lower_bound(sorted_.begin(), sorted_.end(), std::make_pair(number, 0u));
    if (it == sorted_.end() || it->first != number) return std::nullopt;
    return it->second;
}

} // namespace zorvane
