#pragma once
// The drawing pass over the polyline and arc definitions, after the points.
#include "model/PointRecord.h"
#include "model/PolylineRecord.h"
#include "view/ViewTransform.h"

#include <string>
#include <vector>

namespace zorvane {

class Canvas;

struct PolylineDrawReport {
    // Definitions not drawn because they name a missing point, hold an entry that is not a
    // number, or expand past kMaxPointListEntries; names as stored, in table order.
    std::vector<std::string> brokenNames;
    // The first "'x' is not a valid integer value" of the pass, empty when none.
    std::string conversionError;
};

// Draws every definition that can be drawn: open polylines through their vertices, and for
// names starting with "a" or "A" the arc through the first three vertices (plus the full
// circle when the list holds exactly four entries). Vertices are the rounded surface
// positions of the first point with each number.
PolylineDrawReport drawPolylines(const PolylineTable& polylines, const PointTable& points,
                                 const ScreenPositions& screen, Canvas& canvas);

// The message shown after a pass that found broken definitions (cp1252).
std::string brokenDefinitionsMessage(const std::vector<std::string>& names);

} // namespace zorvane
