#pragma once
// Where each point sits on the drawing surface, parallel to the point table: the only store of
// pan and zoom. Pixels, x to the right and y downwards, fractions kept.
#include "model/ChunkedTable.h"
#include "model/Extents.h"

namespace zorvane {

struct ScreenPos {
    double x = 0, y = 0;
    friend bool operator==(const ScreenPos&, const ScreenPos&) = default;
};

struct ScreenChunkSummary {
    bool ready = false;
    Extents extents;
};
using ScreenPositions = ChunkedTable<ScreenPos, 2048, ScreenChunkSummary>;

// Extents of all positions, from per-chunk summaries: only chunks changed since the last call
// are scanned again.
Extents screenExtents(const ScreenPositions& screen);

// A whole pixel on the surface.
struct PixelPos {
    int x = 0, y = 0;
    friend bool operator==(const PixelPos&, const PixelPos&) = default;
};

} // namespace zorvane
