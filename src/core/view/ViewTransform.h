#pragma once
// The plan has no stored scale: every point keeps its own surface position, pan and zoom move
// those positions in place, and the world-to-surface mapping is derived from their extents
// before every redraw.
#include "model/PointRecord.h"
#include "model/ScreenPositions.h"

namespace zorvane {

struct ViewTransform {
    double sxmin = 0, sxmax = 0, symin = 0, symax = 0; // surface extents
    double wxmin = 0, wxmax = 0, wymin = 0, wymax = 0; // world extents
    double s = 1.0;                                    // pixels per world unit
};

// Pixel coordinates stay within +-2^30 so that label offsets and box sizes added to them
// cannot overflow; a point zoomed further out than that is drawn on the limit.
inline constexpr int kPixelLimit = 1 << 30;

// Rounds to the nearest integer, halves to even, saturating at +-kPixelLimit; NaN gives 0.
// Inline and branch-light: the plan rounds two coordinates per point on every redraw.
inline int roundHalfEven(double v) {
    if (!(v > -kPixelLimit)) return v != v ? 0 : -kPixelLimit;
    if (!(v < kPixelLimit)) return kPixelLimit;
    // Adding and removing 1.5 * 2^52 leaves the nearest integer, halves to even, in the
    // default rounding mode (no library call, unlike nearbyint without SSE4.1).
    constexpr double kMagic = 6755399441055744.0;
    return static_cast<int>((v + kMagic) - kMagic);
}

// Extents of both position sets and the derived scale; empty sets keep the old extents.
void recomputeView(ViewTransform& v, const PointTable& points, const ScreenPositions& screen,
                   CaseMode mode);

ScreenPos worldToScreen(const ViewTransform& v, WorldPos w);
WorldPos screenToWorld(const ViewTransform& v, int px, int py);

void panView(ScreenPositions& screen, int dx, int dy);
void zoomAbout(ScreenPositions& screen, int cx, int cy, double f);

// Surface position i = (x, -y) of point i's world position: scale 1, y flipped.
void rebuildScreenPositions(ScreenPositions& screen, const PointTable& points, CaseMode mode);

struct PolarReading {
    double bearing = 0, length = 0;
};
PolarReading worldToPolar(double x, double y);
// North, East, South in m1..m3 and West in m4, as a NESW case holds them.
PointRecord worldToNesw(double x, double y);

} // namespace zorvane
