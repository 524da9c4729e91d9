#include "model/ScreenPositions.h"

namespace zorvane {

Extents screenExtents(const ScreenPositions& screen) {
    Extents all;
    screen.forEachChunk(
        [&all](std::span<const ScreenPos> chunk, ScreenChunkSummary& s, std::size_t) {
            if (!s.ready) {
                s.extents = {};
                for (const ScreenPos& p : chunk) s.extents.add(p.x, p.y);
                s.ready = true;
            }
            all.add(s.extents);
        });
    return all;
}

} // namespace zorvane
