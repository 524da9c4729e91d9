#pragma once
// Everything a case holds: what its file stores, plus the surface position of each point.
#include "model/ImageStore.h"
#include "model/IncidentRecord.h"
#include "model/LegendRecord.h"
#include "model/PointRecord.h"
#include "model/PolylineRecord.h"
#include "model/ScreenPositions.h"
#include "model/UnitSettings.h"

#include <cstdint>
#include <string>

namespace zorvane {

struct CaseData {
    CaseMode mode = CaseMode::Xyz;
    std::int32_t lastPointNumber = 0; // the highest number created so far
    std::string caseName;             // cp1252, cut to 50 when saved
    std::string caseDescription;      // cp1252, cut to 100 when saved
    UnitSettings units;
    IncidentRecord incident;
    PointTable points;
    ScreenPositions screen; // parallel to points
    PolylineTable polylines;
    ImageStore images;
    LegendRecord legend;
};

} // namespace zorvane
