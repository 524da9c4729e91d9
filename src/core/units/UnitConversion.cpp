#include "units/UnitConversion.h"

#include <algorithm>
#include <array>

namespace zorvane {
namespace {

// Exactly these decimal constants: metre to feet is 3.2808, not 3.28084, so a case converted
// there and back does not come home exactly. Feet & Inches stores feet.
constexpr double kTwelfth = 1.0 / 12.0;
constexpr std::array<std::array<double, kUnitCount>, kUnitCount> kFactors = {{
    {1, 100, 1000, 3.2808, 39.3696, 3.2808},
    {0.01, 1, 10, 0.032808, 0.393696, 0.032808},
    {0.001, 0.1, 1, 0.0032808, 0.0393696, 0.0032808},
    {0.3048, 30.48, 304.8, 1, 12, 1},
    {0.0254, 2.54, 25.4, kTwelfth, 1, kTwelfth},
    {0.3048, 30.48, 304.8, 1, 12, 1},
}};

} // namespace

double conversionFactor(int from, int to) {
    if (!validUnit(from) || !validUnit(to)) return 1.0; // never scales by a made-up factor
    return kFactors[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)];
}

void convertPointUnits(PointTable& points, CaseMode mode, int from, int to) {
    if (!validUnit(from) || !validUnit(to)) return;
    const double f = conversionFactor(from, to);
    const bool bearing = mode == CaseMode::Polar; // m1 is then degrees
    points.forEachMutable([f, bearing](PointRecord& p) {
        if (!bearing) p.m1 *= f;
        p.m2 *= f;
        p.m3 *= f;
        p.m4 *= f;
        p.m5 *= f;
    });
}

int unitFromChoice(bool american, int listIndex) {
    const int i = std::clamp(listIndex, 0, 2); // each system lists three units
    return american ? kDecimalFeet + i : kMeter + i;
}

} // namespace zorvane
