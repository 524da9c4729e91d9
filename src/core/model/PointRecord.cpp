#include "model/PointRecord.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorvane {

const std::vector<std::pair<std::int32_t, std::uint32_t>>&
sortedNumbers(std::span<const PointRecord> chunk, PointChunkSummary& s) {
    if (!s.numbersReady) {
        s.numbers.clear();
        s.numbers.reserve(chunk.size());
        for (std::size_t i = 0; i < chunk.size(); ++i)
            s.numbers.emplace_back(chunk[i].number, static_cast<std::uint32_t>(i));
        std::sort(s.numbers.begin(), s.numbers.end());
        s.numbersReady = true;
    }
    return s.numbers;
}

std::optional<std::size_t> findPoint(const PointTable& points, std::int32_t number) {
    std::optional<std::size_t> found;
    points.forEachChunk(
        [&](std::span<const PointRecord> chunk, PointChunkSummary& s, std::size_t first) {
            if (found) return;
            const auto& numbers = sortedNumbers(chunk, s);
            const auto it = std::lower_bound(numbers.begin(), numbers.end(),
                                             std::pair<std::int32_t, std::uint32_t>(number, 0));
            if (it != numbers.end() && it->first == number) found = first + it->second;
        });
    return found;
}

Extents worldExtents(const PointTable& points, CaseMode mode) {
    Extents all;
    points.forEachChunk([&](std::span<const PointRecord> chunk, PointChunkSummary& s, std::size_t) {
        if (!s.extentsReady || s.extentsMode != mode) {
            s.extents = {};
            for (const PointRecord& p : chunk) {
                const WorldPos w = worldPosition(p, mode);
                s.extents.add(w.x, w.y);
            }
            s.extentsReady = true;
            s.extentsMode = mode;
        }
        all.add(s.extents);
    });
    return all;
}

WorldPos worldPosition(const PointRecord& p, CaseMode mode) {
    switch (mode) {
    case CaseMode::Polar: {
        const double theta = std::numbers::pi / 2 - p.m1 * 2 * std::numbers::pi / 360;
        return {p.m2 * std::cos(theta), p.m2 * std::sin(theta)};
    }
    case CaseMode::Nesw:
        return {p.m2 != 0 ? p.m2 : -p.m4, p.m1 != 0 ? p.m1 : -p.m3};
    case CaseMode::Xyz:
    default:
        return {p.m1, p.m2};
    }
}

} // namespace zorvane
