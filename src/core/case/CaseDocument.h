#pragma once
// The open case: everything a case file holds plus the surface positions of its points.
#include "case/ImageStore.h"
#include "case/IncidentRecord.h"
#include "case/LegendRecord.h"
#include "case/PointGrid.h"
#include "case/PointRecord.h"
#include "case/PolylineRecord.h"
#include "units/UnitSettings.h"
#include "view/ViewTransform.h"

#include <string>
#include <vector>

namespace zorvane {

struct CaseDocument {
    bool started = false; // no case is open until New, Open or an import
    CaseMode mode = CaseMode::Xyz;
    PointTable points;
    ScreenPositions screen; // parallel to points
    PolylineTable polylines;
    std::int32_t lastPointNumber = 0;
    bool clean = true; // no unsaved change
    UnitSettings units;
    std::string caseName;        // cp1252, cut to 50 when saved
    std::string caseDescription; // cp1252, cut to 100 when saved
    LegendRecord legend;
    IncidentRecord incident;
    ImageStore images;
    std::vector<std::string> descriptors; // the description list, cp1252, case-insensitive set
    PointGrid grid;
    char decimalSeparator = '.'; // the user's, set by the UI; texts in grids and fields use it
};

// Adds the text unless the list holds it already, letter case ignored. Returns whether added.
bool addDescriptor(std::vector<std::string>& list, std::string_view text);

} // namespace zorvane
