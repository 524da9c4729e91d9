#pragma once
#include "units/UnitSettings.h"

namespace zorvane {

struct CaseDocument;

// Exact factor table: value in `from` times factor gives the value in `to`.
double conversionFactor(int from, int to);

// Multiplies every length of every point (not the Polar bearing) and makes `to` current.
// Polylines, undo history and the clean flag are left alone.
void convertUnits(CaseDocument& doc, int from, int to);

} // namespace zorvane
