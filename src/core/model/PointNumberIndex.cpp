#include "model/PointNumberIndex.h"

#include <algorithm>

namespace zorvane {

namespace {

constexpr std::uint32_t kNoRow = std::numeric_limits<std::uint32_t>::max();

using NumberAt = std::pair<std::int32_t, std::uint32_t>; // (number, offset in the chunk)

} // namespace

PointNumberIndex::PointNumberIndex(const PointTable& points, std::size_t count, std::int32_t low,
                                   std::int32_t high) {
    // Rows are 32-bit: a table that large would not fit in memory anyway.
    count = std::min<std::size_t>({count, points.size(), kNoRow});
    std::vector<Slice> slices;
    std::size_t hits = 0;
    std::int32_t min = high, max = low;
    points.forEachChunk(
        [&](std::span<const PointRecord> chunk, PointChunkSummary& s, std::size_t first) {
            if (first >= count) return;
            const std::vector<NumberAt>& numbers = sortedNumbers(chunk, s);
            const auto from = std::lower_bound(numbers.begin(), numbers.end(), NumberAt(low, 0));
            const auto to = std::upper_bound(from, numbers.end(), NumberAt(high, kNoRow));
            if (from == to) return;
            slices.push_back({first, std::span<const NumberAt>(from, to)});
            hits += static_cast<std::size_t>(to - from);
            min = std::min(min, from->first), max = std::max(max, std::prev(to)->first);
        });
    if (slices.empty()) return;
    // Point numbers are mostly dense: then a slot per number beats sorting.
    const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{max} - min) + 1;
    if (span <= 4 * std::uint64_t{hits} + 4096)
        fromDense(slices, count, min, max);
    else
        fromSorted(slices, count);
}

void PointNumberIndex::fromDense(const std::vector<Slice>& slices, std::size_t count,
                                 std::int32_t low, std::int32_t high) {
    std::vector<std::uint32_t> slot(static_cast<std::size_t>(std::int64_t{high} - low) + 1, kNoRow);
    // Chunks in table order, each sorted by number and then offset: the first row wins.
    for (const Slice& c : slices)
        for (const auto& [number, offset] : c.numbers) {
            std::uint32_t& s = slot[static_cast<std::size_t>(std::int64_t{number} - low)];
            if (s == kNoRow && c.first + offset < count)
                s = static_cast<std::uint32_t>(c.first + offset);
        }
    rows_.reserve(slot.size());
    std::int64_t runFirst = 0;
    bool inRun = false;
    for (std::size_t k = 0; k < slot.size(); ++k) {
        const std::int64_t number = low + static_cast<std::int64_t>(k);
        if (slot[k] != kNoRow) {
            if (!inRun) runFirst = number, inRun = true;
            rows_.push_back(slot[k]);
        } else if (inRun) {
            addRun(static_cast<std::int32_t>(runFirst), static_cast<std::int32_t>(number - 1));
            inRun = false;
        }
    }
    if (inRun) addRun(static_cast<std::int32_t>(runFirst), high);
}

void PointNumberIndex::fromSorted(const std::vector<Slice>& slices, std::size_t count) {
    std::vector<NumberAt> hits; // (number, row)
    for (const Slice& c : slices)
        for (const auto& [number, offset] : c.numbers)
            if (c.first + offset < count)
                hits.emplace_back(number, static_cast<std::uint32_t>(c.first + offset));
    std::sort(hits.begin(), hits.end());
    rows_.reserve(hits.size());
    std::size_t k = 0;
    while (k < hits.size()) {
        const std::int32_t first = hits[k].first;
        std::int32_t last = first;
        rows_.push_back(hits[k].second);
        for (++k; k < hits.size(); ++k) {
            if (hits[k].first == last) continue; // a later row of the same number
            if (std::int64_t{hits[k].first} != std::int64_t{last} + 1) break;
            last = hits[k].first;
            rows_.push_back(hits[k].second);
        }
        addRun(first, last);
    }
}

void PointNumberIndex::addRun(std::int32_t first, std::int32_t last) {
    const std::size_t length = static_cast<std::size_t>(std::int64_t{last} - first) + 1;
    runs_.push_back({first, last, rows_.size() - length});
}

const PointNumberIndex::Run* PointNumberIndex::runOf(std::int32_t number) const {
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), number,
                                        [](std::int32_t n, const Run& r) { return n < r.first; });
    if (after == runs_.begin()) return nullptr;
    const Run& r = *std::prev(after);
    return number <= r.last ? &r : nullptr;
}

std::size_t PointNumberIndex::find(std::int32_t number) const {
    const Run* r = runOf(number);
    return r ? rows_[r->offset + static_cast<std::size_t>(std::int64_t{number} - r->first)] : kNone;
}

std::span<const std::uint32_t> PointNumberIndex::rows(std::int32_t low, std::int32_t high) const {
    const Run* r = runOf(low);
    if (!r || high > r->last) return {};
    const std::size_t from = r->offset + static_cast<std::size_t>(std::int64_t{low} - r->first);
    return std::span<const std::uint32_t>(rows_).subspan(
        from, static_cast<std::size_t>(std::int64_t{high} - low) + 1);
}

} // namespace zorvane
