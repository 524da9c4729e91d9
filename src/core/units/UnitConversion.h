#pragma once
#include "model/PointRecord.h"
#include "model/UnitSettings.h"

namespace zorvane {

inline bool validUnit(int u) {
    return u >= 0 && u < kUnitCount;
}

// Exact factor table: value in `from` times factor gives the value in `to`.
double conversionFactor(int from, int to);

// Multiplies every length of every point (not the Polar bearing) by the factor from `from` to
// `to`. Invalid units change nothing.
void convertPointUnits(PointTable& points, CaseMode mode, int from, int to);

// The unit a Drawing Settings choice names: the index in the metric list (Meter, Centimeter,
// Millimeter), or Decimal Feet + the index in the American list.
int unitFromChoice(bool american, int listIndex);

} // namespace zorvane
