#include "case/GridTexts.h"

namespace zorvane {

std::vector<std::vector<std::string>> displayedGrid(const CaseState& doc) {
    const int rows = PointGrid::rowCount(doc.points.size());
    const int columns = PointGrid::codeColumn(doc.mode);
    std::vector<std::vector<std::string>> grid(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        auto& row = grid[static_cast<std::size_t>(r)];
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) row.push_back(doc.grid.cell(doc.points, doc.mode, r, c));
    }
    return grid;
}

} // namespace zorvane
