#include "case/CaseOperations.h"

#include <cstdint>

namespace zorvane {

void resetCase(CaseDocument& doc, CaseMode mode, const ProgramOptions& options, std::string_view today) {
    doc.started = true;
    doc.mode = mode;
    doc.points.clear();
    doc.screen.clear();
    doc.polylines.clear();
    doc.images.clear();
    doc.descriptors.clear();
    doc.caseName.clear();
    doc.caseDescription.clear();
    doc.incident = defaultIncident(today);
    doc.legend = LegendRecord{};
    doc.units = {clampUnit(options.defaultUnit), clampDecimals(options.defaultDecimals)};
    // The lowest first number cannot go one lower; it stays the last number then.
    doc.lastPointNumber = options.firstPointNumber - (options.firstPointNumber > INT32_MIN ? 1 : 0);
    doc.clean = true;
    doc.grid.rebuild(doc.units, doc.decimalSeparator);
    doc.grid.selectedRow = 1;
}

int putPoint(CaseDocument& doc, ViewTransform& view, const PointRecord& record) {
    int row;
    std::size_t index;
    if (auto found = findPoint(doc.points, record.number)) {
        index = *found;
        const Colour mark = doc.points[index].markColour;
        doc.points[index] = record;
        doc.points[index].markColour = mark;
        row = static_cast<int>(index) + 1;
    } else {
        doc.points.push_back(record);
        doc.screen.emplace_back();
        index = doc.points.size() - 1;
        if (record.number > doc.lastPointNumber) doc.lastPointNumber = record.number;
        row = static_cast<int>(doc.points.size());
    }
    doc.screen.resize(doc.points.size()); // a damaged undo state never leaves them apart
    doc.screen[index] = worldToScreen(view, worldPosition(doc.points[index], doc.mode));
    recomputeView(view, doc.points, doc.screen, doc.mode);
    doc.clean = false;
    return row;
}

void rebuildGrid(CaseDocument& doc, const CaseSnapshot& state) {
    doc.points = state.points;
    doc.screen = state.screen;
    doc.polylines = state.polylines;
    doc.lastPointNumber = state.lastPointNumber;
    const int selected = doc.grid.selectedRow;
    doc.grid.rebuild(doc.units, doc.decimalSeparator);
    doc.grid.selectedRow = isPointRow(doc, selected) ? selected : newPointRow(doc);
}

std::optional<int> gridStepTarget(const CaseDocument& doc, GridStep step) {
    const int row = doc.grid.selectedRow;
    switch (step) {
    case GridStep::Previous: return row >= 2 ? std::optional(row - 1) : std::nullopt;
    case GridStep::Next: return row != newPointRow(doc) ? std::optional(row + 1) : std::nullopt;
    case GridStep::First: return 1;
    case GridStep::NewPoint: return newPointRow(doc);
    }
    return std::nullopt;
}

void refreshGrid(CaseDocument& doc) {
    doc.grid.rebuild(doc.units, doc.decimalSeparator);
    doc.grid.selectedRow = 1;
}

} // namespace zorvane
