#pragma once
#include "model/UnitSettings.h"

namespace zorvane {

struct CaseDocument;

// Exact factor table: value in `from` times factor gives the value in `to`.
double conversionFactor(int from, int to);

// Multiplies every length of every point (not the Polar bearing) and makes `to` current.
// Polylines, undo history and the clean flag are left alone.
void convertUnits(CaseDocument& doc, int from, int to);

// The unit a Drawing Settings choice names: the index in the metric list (Meter, Centimeter,
// Millimeter), or Decimal Feet + the index in the American list.
int unitFromChoice(bool american, int listIndex);

// "Convert current coordinates": converts the case from its current unit to `to`. A case
// without points is left as it is (false).
bool convertCurrentCoordinates(CaseDocument& doc, int to);

// Makes `decimals` (clamped to 0..4) current and formats the grid afresh.
void setCaseDecimals(CaseDocument& doc, int decimals);

} // namespace zorvane
