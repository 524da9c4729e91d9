#pragma once
// Paints the whole plan of the open case: there is no retained picture, every change that can
// alter it repaints everything, so this runs on every step of a pan.
#include "model/CaseData.h"
#include "view/Canvas.h"
#include "view/PlanView.h"

#include <string>

namespace zorvane {

// What the drawing window shows once the picture is painted.
struct RedrawResult {
    // "'x' is not a valid integer value in Polyline or Arc "Q"" for the first definition of
    // this redraw with an entry or range bound that is not a number; empty when none. That
    // definition is skipped but not listed in brokenDefinitions (cp1252).
    std::string conversionError;
    // The message about definitions that cannot be drawn (cp1252), empty when none.
    std::string brokenDefinitions;
    // The third status panel: "Zoom : 100.00%".
    std::string zoomReadout;
};

// The font of point numbers and descriptors.
CanvasFont labelFont(const PlanView& view);

// Clears the surface (view.width x view.height), recomputes view.transform, then draws the
// points with their labels, the legend, the north arrow and, when shown, the polylines and
// arcs, in that order. Nothing is sent for what cannot show: marks and label cells off the
// surface, and labels that later labels cover completely (text cells are opaque).
RedrawResult redrawPlan(const CaseData& doc, PlanView& view, Canvas& canvas);

} // namespace zorvane
