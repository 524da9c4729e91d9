#include "model/PointNumberIndex.h"

#include <algorithm>

namespace zorvane {

namespace {

constexpr std::uint32_t kNoRow = std::numeric_limits<std::uint32_t>::max();

} // namespace

PointNumberIndex::PointNumberIndex(const PointTable& points, std::size_t count, std::int32_t low,
                                   std::int32_t high) {
    // Rows are 32-bit: a table that large would not fit in memory anyway.
    count = std::min<std::size_t>({count, points.size(), kNoRow});
    std::vector<Hit> hits;
    std::int32_t min = high, max = low;
    points.forEachChunk([&](std::span<const PointRecord> chunk, auto&, std::size_t first) {
        const std::size_t n = first < count ? std::min(chunk.size(), count - first) : 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t number = chunk[i].number;
            if (number < low || number > high) continue;
            hits.push_back({number, static_cast<std::uint32_t>(first + i)});
            min = std::min(min, number);
            max = std::max(max, number);
        }
    });
    if (hits.empty()) return;
    // Point numbers are mostly dense: then a slot per number beats sorting the hits.
    const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{max} - min) + 1;
    if (span <= 4 * std::uint64_t{hits.size()} + 4096)
        fromDense(hits, min, max);
    else
        fromSorted(hits);
}

void PointNumberIndex::fromDense(const std::vector<Hit>& hits, std::int32_t low,
                                 std::int32_t high) {
    std::vector<std::uint32_t> slot(static_cast<std::size_t>(std::int64_t{high} - low) + 1, kNoRow);
    for (const Hit& h : hits) { // in table order: the first row of a number wins
        std::uint32_t& s = slot[static_cast<std::size_t>(std::int64_t{h.number} - low)];
        if (s == kNoRow) s = h.row;
    }
    rows_.reserve(hits.size());
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

void PointNumberIndex::fromSorted(std::vector<Hit>& hits) {
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.number != b.number ? a.number < b.number : a.row < b.row;
    });
    rows_.reserve(hits.size());
    std::size_t k = 0;
    while (k < hits.size()) {
        const std::int32_t first = hits[k].number;
        std::int32_t last = first;
        rows_.push_back(hits[k].row);
        for (++k; k < hits.size(); ++k) {
            if (hits[k].number == last) continue; // a later row of the same number
            if (std::int64_t{hits[k].number} != std::int64_t{last} + 1) break;
            last = hits[k].number;
            rows_.push_back(hits[k].row);
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
