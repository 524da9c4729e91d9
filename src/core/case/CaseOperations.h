#pragma once
// Operations on the case model that every command shares.
#include "case/CaseState.h"
#include "case/UndoHistory.h"
#include "model/ProgramOptions.h"
#include "view/ViewTransform.h"

#include <optional>
#include <string_view>

namespace zorvane {

// Starts a new empty case of `mode` with the defaults of the options. `today` is the user's
// short date text for the incident record.
void resetCase(CaseState& state, CaseMode mode, const ProgramOptions& options,
               std::string_view today);

// Appends a new number or replaces the record of an existing one (keeping its mark colour);
// sets the point's surface position from `view` and recomputes `view`. Returns the grid row
// of the point.
int putPoint(CaseState& state, ViewTransform& view, const PointRecord& record);

// Replaces the tables by the copies, rebuilds the grid, keeps the selected row when it still
// exists (else the new-point row).
void rebuildGrid(CaseState& state, const CaseSnapshot& snapshot);

// Formats the grid afresh from the table and selects row 1.
void refreshGrid(CaseState& state);

// The grid row a row index names: a point row, or the new-point row.
inline bool isPointRow(const CaseState& state, int row) {
    return row >= 1 && static_cast<std::size_t>(row) <= state.points.size();
}
inline int newPointRow(const CaseState& state) {
    return static_cast<int>(state.points.size()) + 1;
}

// The grid navigation buttons of the entry pages.
enum class GridStep { Previous, Next, First, NewPoint };
// The row a step selects; nothing when there is nowhere to go from the selected row.
std::optional<int> gridStepTarget(const CaseState& state, GridStep step);

// "Convert current coordinates": converts every point from the current unit to `to`; a case
// without points is left as it is (false).
bool convertCaseUnits(CaseState& state, int to);
// Makes `decimals` (clamped to 0..4) current and formats the grid afresh.
void setCaseDecimals(CaseState& state, int decimals);

} // namespace zorvane
