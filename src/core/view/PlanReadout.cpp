#include "view/PlanReadout.h"

#include "units/LengthFormatter.h"
#include "view/ViewTransform.h"

#include <cmath>
#include <limits>

namespace zorvane {
namespace {

double distance(WorldPos a, WorldPos b) {
    const double dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

std::string mouseReadout(CaseMode mode, const UnitSettings& units, char separator, WorldPos at) {
    const auto length = [&](double v) { return formatLength(v, units, separator); };
    switch (mode) {
    case CaseMode::Polar: {
        const PolarReading p = worldToPolar(at.x, at.y);
        return "Compass d\u00B0 : " + formatFixed(p.bearing, units.decimals, separator) +
               "  Length : " + length(p.length);
    }
    case CaseMode::Nesw: {
        const PointRecord o = worldToNesw(at.x, at.y);
        return "N : " + length(o.m1) + "  E : " + length(o.m2) + "  S : " + length(o.m3) +
               "  W : " + length(o.m4);
    }
    case CaseMode::Xyz:
    default:
        return "X : " + length(at.x) + "  Y : " + length(at.y);
    }
}

std::optional<std::size_t> nearestPoint(const PointTable& points, CaseMode mode, WorldPos at) {
    std::optional<std::size_t> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    std::size_t i = 0;
    for (const PointRecord& p : points) {
        // Strictly nearer only: the earlier point keeps a tie. A damaged position (not a
        // number) is never nearer.
        const double d = distance(worldPosition(p, mode), at);
        if (d < bestDistance || (!best && d == bestDistance)) {
            best = i;
            bestDistance = d;
        }
        ++i;
    }
    return best;
}

std::string distanceMessage(const PointTable& points, CaseMode mode, const UnitSettings& units,
                            char separator, WorldPos a, WorldPos b, bool snap) {
    const std::optional<std::size_t> i = snap ? nearestPoint(points, mode, a) : std::nullopt;
    const std::optional<std::size_t> j = snap ? nearestPoint(points, mode, b) : std::nullopt;
    if (!i || !j) return "Distance = " + formatLength(distance(a, b), units, separator);
    const PointRecord& p = points[*i];
    const PointRecord& q = points[*j];
    const double d = distance(worldPosition(p, mode), worldPosition(q, mode));
    return "Distance from Point #" + std::to_string(p.number) + " to Point #" +
           std::to_string(q.number) + " = " + formatLength(d, units, separator);
}

} // namespace zorvane
