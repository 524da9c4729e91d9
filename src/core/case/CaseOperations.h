#pragma once
// Operations on the case model that every command shares.
#include "case/CaseDocument.h"
#include "case/UndoHistory.h"
#include "model/ProgramOptions.h"

#include <optional>
#include <string_view>

namespace zorvane {

// Starts a new empty case of `mode` with the defaults of the options. `today` is the user's
// short date text for the incident record.
void resetCase(CaseDocument& doc, CaseMode mode, const ProgramOptions& options, std::string_view today);

// Appends a new number or replaces the record of an existing one (keeping its mark colour);
// sets the point's surface position from `view`, recomputes `view`, clears the clean flag.
// Returns the grid row of the point.
int putPoint(CaseDocument& doc, ViewTransform& view, const PointRecord& record);

// Replaces the tables by the copies, rebuilds the grid, keeps the selected row when it still
// exists (else the new-point row).
void rebuildGrid(CaseDocument& doc, const CaseSnapshot& state);

// Formats the grid afresh from the table and selects row 1.
void refreshGrid(CaseDocument& doc);

// The grid row a row index names: a point row, or the new-point row.
inline bool isPointRow(const CaseDocument& doc, int row) {
    return row >= 1 && static_cast<std::size_t>(row) <= doc.points.size();
}
inline int newPointRow(const CaseDocument& doc) { return static_cast<int>(doc.points.size()) + 1; }

// The grid navigation buttons of the entry pages.
enum class GridStep { Previous, Next, First, NewPoint };
// The row a step selects; nothing when there is nowhere to go from the selected row.
std::optional<int> gridStepTarget(const CaseDocument& doc, GridStep step);

} // namespace zorvane
