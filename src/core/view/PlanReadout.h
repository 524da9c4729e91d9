#pragma once
// The drawing window's texts about places on the plan: the mouse readout of the status bar
// and the distance between two clicks. Lengths are in the case's unit (feet and inches in
// Feet & Inches), the bearing always decimal; texts are UTF-8.
#include "model/PointRecord.h"
#include "model/UnitSettings.h"

#include <cstddef>
#include <optional>
#include <string>

namespace zorvane {

// "X : 1.00  Y : 2.00", "Compass d° : 45.00  Length : 1.41" or
// "N : 2.00  E : 0.00  S : 0.00  W : 1.00", for the world position under the mouse.
std::string mouseReadout(CaseMode mode, const UnitSettings& units, char separator, WorldPos at);

// The point whose plan position lies nearest to `at` (heights ignored); the first in table
// order wins a tie. None when the table has no point with a usable position.
std::optional<std::size_t> nearestPoint(const PointTable& points, CaseMode mode, WorldPos at);

// "Distance from Point #12 to Point #40 = 5.00" when `snap` and the case has points (both
// ends moved to their nearest points), otherwise "Distance = 5.00" between the two places.
std::string distanceMessage(const PointTable& points, CaseMode mode, const UnitSettings& units,
                            char separator, WorldPos a, WorldPos b, bool snap);

} // namespace zorvane
