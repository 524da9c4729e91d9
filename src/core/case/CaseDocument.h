#pragma once
// The open case: everything a case file holds plus the surface positions of its points.
#include "case/PointGrid.h"
#include "model/CaseData.h"

#include <string>
#include <vector>

namespace zorvane {

struct CaseDocument : CaseData {
    bool started = false; // no case is open until New, Open or an import
    bool clean = true; // no unsaved change
    std::vector<std::string> descriptors; // the description list, cp1252, case-insensitive set
    PointGrid grid;
    char decimalSeparator = '.'; // the user's, set by the UI; texts in grids and fields use it
};

// Adds the text unless the list holds it already, letter case ignored. Returns whether added.
bool addDescriptor(std::vector<std::string>& list, std::string_view text);

} // namespace zorvane
