#include "view/PlanView.h"

#include "model/ProgramOptions.h"

#include <charconv>

namespace zorvane {

std::string zoomReadout(double zoomFactor) {
    // to_chars, not printf: Qt sets the C locale from the environment, which would turn the
    // point into a comma on some desktops.
    char buf[400];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, zoomFactor * 100, std::chars_format::fixed, 2);
    return "Zoom : " + std::string(buf, r.ptr) + "%";
}

void zoomAll(PlanView& view, ScreenPositions& screen) {
    const ViewTransform& t = view.transform;
    double rx = t.sxmax - t.sxmin;
    double ry = t.symax - t.symin;
    const int cx = roundHalfEven(t.sxmin + rx / 2);
    const int cy = roundHalfEven(t.symin + ry / 2);
    if (rx == 0) rx = 1.0;
    if (ry == 0) ry = 1.0;
    const double fx = view.width / rx;
    const double fy = view.height / ry;
    const double f = fx < fy ? fx : fy;
    const int ax = roundHalfEven(view.width / 2.0);
    const int ay = roundHalfEven(view.height / 2.0);
    panView(screen, ax - cx, ay - cy);
    view.zoomFactor = 1.0;
    zoomAbout(screen, ax, ay, f * 0.9);
    view.zoomCentre = {ax, ay};
}

void zoomStep(PlanView& view, ScreenPositions& screen, int x, int y, bool in) {
    const double f = in ? kZoomIn : kZoomOut;
    view.zoomFactor *= f;
    zoomAbout(screen, x, y, f);
}

void centreOnPoint(const PlanView& view, ScreenPositions& screen, std::size_t index) {
    if (index >= screen.size()) return;
    const ScreenPos p = screen[index];
    panView(screen, roundHalfEven(view.width / 2.0 - p.x), roundHalfEven(view.height / 2.0 - p.y));
}

bool wheelNotification(PlanView& view) {
    const bool acts = view.wheelActs;
    view.wheelActs = !view.wheelActs;
    return acts;
}

DisplayToggles togglesAtStart(const ProgramOptions& o) {
    if (!o.rememberWindows) return DisplayToggles{};
    return {o.showPoints, o.showNumbers,   o.showDescriptions,
            o.onlyMarked, o.showPolylines, o.showNorthArrow};
}

} // namespace zorvane
