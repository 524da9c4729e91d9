#pragma once
// What a mouse button on the plan does. Besides zooming and panning, a click can be awaited
// by a tool: placing the legend, placing the north arrow, or the second end of a distance.
// The first matching rule wins: legend placement, north arrow placement, Ctrl (measuring,
// any button), then left zooms in, right zooms out and middle starts a pan.
#include "model/PointRecord.h"

#include <string>

namespace zorvane {

enum class SurfaceButton { Left, Right, Middle, Other };

enum class SurfaceAction {
    None,
    PlaceLegend,     // the click gives the legend's left and top
    PlaceNorthArrow, // the click gives the arrow's apex
    MeasureFrom,     // the first end is kept; the second Ctrl-click is awaited
    MeasureTo,       // both ends known: show the distance
    ZoomIn,
    ZoomOut,
    StartPan,
};

struct SurfacePress {
    SurfaceAction action = SurfaceAction::None;
    WorldPos from{}, to{}; // MeasureTo: the two ends
    bool snap = false;     // MeasureTo: both ends snap to the nearest points (left button)
};

class SurfaceTools {
  public:
    void startNorthArrowPlacement() { northArrowPending_ = true; }
    void startLegendPlacement() { legendPending_ = true; }

    // A button pressed at world position `at`; ends the tool the click served.
    SurfacePress press(SurfaceButton button, bool ctrl, WorldPos at);
    // True when this release ended a pan.
    bool release(SurfaceButton button);

    bool panning() const { return panning_; }
    bool measuring() const { return measuring_; }
    bool legendPending() const { return legendPending_; }
    bool northArrowPending() const { return northArrowPending_; }

    // The hint of the tool the next click serves; empty when only zooming is left.
    std::string hint() const;

  private:
    SurfacePress measure(SurfaceButton button, WorldPos at);

    bool legendPending_ = false;
    bool northArrowPending_ = false;
    bool measuring_ = false;
    bool panning_ = false;
    WorldPos from_{};
};

} // namespace zorvane
