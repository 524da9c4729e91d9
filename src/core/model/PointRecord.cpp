#include "model/PointRecord.h"

#include <cmath>
#include <numbers>

namespace zorvane {

std::optional<std::size_t> findPoint(const PointTable& points, std::int32_t number) {
    for (std::size_t i = 0; i < points.size(); ++i)
        if (points[i].number == number) return i;
    return std::nullopt;
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
