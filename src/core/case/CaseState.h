#pragma once
// The working state of the open case: its data, the texts of its point grid, its description
// list and the user's decimal separator. The operations of this folder change it; windows only
// read it, through CaseDocument.
#include "case/PointGrid.h"
#include "model/CaseData.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

struct CaseState : CaseData {
    bool started = false;                 // no case is open until New, Open or an import
    std::vector<std::string> descriptors; // the description list, cp1252, case-insensitive set
    PointGrid grid;
    char decimalSeparator = '.'; // the user's, set by the UI; texts in grids and fields use it
};

// Adds the text unless the list holds it already, letter case ignored. Returns whether added.
bool addDescriptor(std::vector<std::string>& list, std::string_view text);

} // namespace zorvane
