#pragma once
#include "case/CaseState.h"

#include <string>
#include <vector>

namespace zorvane {

// The texts of the current mode's grid as the main window shows them: the title row, one row
// per point, the empty new-point row; only the visible columns (the code column is hidden).
std::vector<std::vector<std::string>> displayedGrid(const CaseState& doc);

} // namespace zorvane
