#pragma once
// The drawing pass over the polyline and arc definitions, after the points.
#include "model/PointRecord.h"
#include "model/PolylineRecord.h"
#include "view/ViewTransform.h"

#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

class Canvas;

struct PolylineDrawReport {
    // Definitions not drawn because they name a missing point or expand past
    // kMaxPointListEntries; names as stored, in table order.
    std::vector<std::string> brokenNames;
    // conversionErrorMessage for the first definition of the pass that holds an entry or a
    // range bound that is not a number, empty when none. Such a definition is not drawn and
    // is not among brokenNames: its points may well exist.
    std::string conversionError;
};

// Draws every definition that can be drawn: open polylines through their vertices, and for
// names starting with "a" or "A" the arc through the first three vertices (plus the full
// circle when the list holds exactly four entries). Vertices are the rounded surface
// positions of the first point with each number. A definition's entries are taken in order
// and the first that is missing or not a number decides its fate; ranges are never expanded,
// so the cost follows the points that exist, not the numbers a text names.
PolylineDrawReport drawPolylines(const PolylineTable& polylines, const PointTable& points,
                                 const ScreenPositions& screen, Canvas& canvas);

// The message shown after a pass that found broken definitions (cp1252).
std::string brokenDefinitionsMessage(const std::vector<std::string>& names);

// "'x' is not a valid integer value in Polyline or Arc "Q"" (cp1252).
std::string conversionErrorMessage(std::string_view text, std::string_view name);

} // namespace zorvane
