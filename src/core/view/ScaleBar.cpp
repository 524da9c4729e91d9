#include "view/ScaleBar.h"

#include "model/UnitSettings.h"
#include "units/LengthFormatter.h"

#include <algorithm>
#include <cmath>

namespace zorvane {
namespace {

// Below this a segment is too short for a number of its own; only the ends are written.
constexpr double kMinLabelledSegment = 80; // 8 mm

struct RoundLength {
    double value;
    int segments;
};

// The largest 1, 2 or 5 x 10^e not above `limit`, with the segments it divides into well.
RoundLength roundLengthBelow(double limit) {
    const double decade = std::pow(10.0, std::floor(std::log10(limit)));
    if (5 * decade <= limit) return {5 * decade, 5};
    if (2 * decade <= limit) return {2 * decade, 4};
    return {decade, 5};
}

// Enough decimals to write every boundary of segments `step` long (a step is 1, 2 or 5 times
// a power of ten, so its own decimals are enough).
int decimalsFor(double step) {
    constexpr int kMostDecimals = 12;
    int d = 0;
    for (double scaled = step; d < kMostDecimals; scaled *= 10, ++d)
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled) break;
    return d;
}

// "1.50" -> "1.5", "2.0" -> "2": a bar's numbers carry no more decimals than they need.
std::string withoutTrailingZeros(std::string text, char separator) {
    if (text.find(separator) == std::string::npos) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == separator) text.pop_back();
    return text;
}

} // namespace

std::string scaleBarUnitName(std::int32_t unit) {
    switch (clampUnit(unit)) {
    case kMeter:
        return "Meter";
    case kCentimeter:
        return "Centimeter";
    case kMillimeter:
        return "Millimeter";
    case kInches:
        return "Inches";
    default:
        return "Feet";
    }
}

ScaleBar chooseScaleBar(double unitsPerWorld, int maxUnits, std::int32_t unit, char separator) {
    ScaleBar bar;
    bar.unitName = scaleBarUnitName(unit);
    const double limit = maxUnits / unitsPerWorld;
    if (!(unitsPerWorld > 0) || maxUnits <= 0 || !std::isfinite(limit) || !(limit > 0)) return bar;
    const RoundLength length = roundLengthBelow(limit);
    bar.worldLength = length.value;
    bar.segments = length.segments;
    bar.segmentUnits = length.value * unitsPerWorld / length.segments;
    const double step = length.value / length.segments;
    const int decimals = decimalsFor(step);
    const bool every = bar.segmentUnits >= kMinLabelledSegment;
    for (int k = 0; k <= bar.segments; ++k) {
        if (!every && k != 0 && k != bar.segments) continue;
        bar.labelled.push_back(k);
        bar.labels.push_back(
            withoutTrailingZeros(formatFixed(step * k, decimals, separator), separator));
    }
    return bar;
}

} // namespace zorvane
