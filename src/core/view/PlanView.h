#pragma once
// Everything about the plan that is not part of the case: the derived transform, the zoom
// readout, the surface size, the north arrow and the display toggles. Not saved with a case.
#include "view/ViewTransform.h"

#include <string>

namespace zorvane {

struct ProgramOptions;

struct DisplayToggles {
    bool showPoints = false;       // showpoints
    bool showNumbers = true;       // shownum
    bool showDescriptions = false; // showdesc
    bool onlyMarked = false;       // onlym
    bool showPolylines = true;     // showpl
    bool showNorthArrow = false;   // shnord
};

struct PlanView {
    ViewTransform transform;
    double zoomFactor = 1.0;
    PixelPos zoomCentre;
    int width = 0, height = 0; // drawing surface W x H
    PixelPos northArrow{10, 5};
    DisplayToggles toggles;
    int labelHeight = 12;  // label font cell height, pixels
    bool wheelActs = true; // only every second wheel notification acts
};

inline constexpr double kZoomIn = 1.1;
inline constexpr double kZoomOut = 0.9090909; // not 1/1.1: one step in and out reads 99.999999 %

// "Zoom : 121.00%"
std::string zoomReadout(double zoomFactor);

// Fits the content into 90 % of the surface (extents of the last recomputeView).
void zoomAll(PlanView& view, ScreenPositions& screen);
// One zoom step about (x, y); the readout follows. Does not move zoomCentre.
void zoomStep(PlanView& view, ScreenPositions& screen, int x, int y, bool in);
// Moves the point at `index` to the surface centre; scale and readout unchanged.
void centreOnPoint(const PlanView& view, ScreenPositions& screen, std::size_t index);
// Wheel notifications: returns whether this one acts (the first does, the next does not...).
bool wheelNotification(PlanView& view);

// The toggles a program start gives the plan: the remembered ones when the windows' state is
// remembered, else the drawing window's own.
DisplayToggles togglesAtStart(const ProgramOptions& options);

} // namespace zorvane
