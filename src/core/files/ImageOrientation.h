#pragma once
// The eight EXIF orientations: how a camera's stored pixels are turned and mirrored to stand
// upright. Only what is shown is turned; the stored photograph never changes.
#include "files/RgbxImage.h"

namespace zorvane {

// 1 upright, 2 mirrored left-right, 3 turned half round, 4 mirrored top-bottom, 5 mirrored
// along the main diagonal, 6 to be turned a quarter clockwise, 7 mirrored along the other
// diagonal, 8 to be turned a quarter anticlockwise. Anything else counts as 1.
bool orientationSwapsAxes(int orientation);

// The upright picture of `stored` taken with `orientation`.
RgbxImage orientUpright(RgbxImage stored, int orientation);

} // namespace zorvane
