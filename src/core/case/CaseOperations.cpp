#include "case/CaseOperations.h"

#include "units/UnitConversion.h"

#include <cstdint>

namespace zorvane {

void resetCase(CaseState& state, CaseMode mode, const ProgramOptions& options,
               std::string_view today) {
    state.started = true;
    state.mode = mode;
    state.points.clear();
    state.screen.clear();
    state.polylines.clear();
    state.images.clear();
    state.descriptors.clear();
    state.caseName.clear();
    state.caseDescription.clear();
    state.incident = defaultIncident(today);
    state.legend = LegendRecord{};
    state.units = {clampUnit(options.defaultUnit), clampDecimals(options.defaultDecimals)};
    // The lowest first number cannot go one lower; it stays the last number then.
    state.lastPointNumber =
        options.firstPointNumber - (options.firstPointNumber > INT32_MIN ? 1 : 0);
    state.grid.rebuild(state.units, state.decimalSeparator);
    state.grid.selectedRow = 1;
}

int putPoint(CaseState& state, ViewTransform& view, const PointRecord& record) {
    int row;
    std::size_t index;
    if (auto found = findPoint(state.points, record.number)) {
        index = *found;
        PointRecord& p = state.points.edit(index);
        const Colour mark = p.markColour;
        p = record;
        p.markColour = mark;
        row = static_cast<int>(index) + 1;
    } else {
        state.points.push_back(record);
        index = state.points.size() - 1;
        if (record.number > state.lastPointNumber) state.lastPointNumber = record.number;
        row = static_cast<int>(state.points.size());
    }
    state.screen.resize(state.points.size()); // a damaged undo state never leaves them apart
    state.screen.set(index, worldToScreen(view, worldPosition(state.points[index], state.mode)));
    recomputeView(view, state.points, state.screen, state.mode);
    return row;
}

void rebuildGrid(CaseState& state, const CaseSnapshot& snapshot) {
    state.points = snapshot.points;
    state.screen = snapshot.screen;
    state.polylines = snapshot.polylines;
    state.lastPointNumber = snapshot.lastPointNumber;
    const int selected = state.grid.selectedRow;
    state.grid.rebuild(state.units, state.decimalSeparator);
    state.grid.selectedRow = isPointRow(state, selected) ? selected : newPointRow(state);
}

std::optional<int> gridStepTarget(const CaseState& state, GridStep step) {
    const int row = state.grid.selectedRow;
    switch (step) {
    case GridStep::Previous:
        return row >= 2 ? std::optional(row - 1) : std::nullopt;
    case GridStep::Next:
        return row != newPointRow(state) ? std::optional(row + 1) : std::nullopt;
    case GridStep::First:
        return 1;
    case GridStep::NewPoint:
        return newPointRow(state);
    }
    return std::nullopt;
}

void refreshGrid(CaseState& state) {
    state.grid.rebuild(state.units, state.decimalSeparator);
    state.grid.selectedRow = 1;
}

bool convertCaseUnits(CaseState& state, int to) {
    if (state.points.empty() || !validUnit(to)) return false;
    convertPointUnits(state.points, state.mode, state.units.unit, to);
    state.units.unit = to;
    refreshGrid(state);
    return true;
}

void setCaseDecimals(CaseState& state, int decimals) {
    state.units.decimals = clampDecimals(decimals);
    refreshGrid(state);
}

} // namespace zorvane
