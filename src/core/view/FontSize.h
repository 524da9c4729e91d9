#pragma once
// Font heights are kept in the usual signed sense (negative: character height in pixels,
// positive: cell height); font dialogs speak points. At `dpi` pixels per inch a character
// height of h pixels is h * 72 / dpi points.
#include <cstdint>

namespace zorvane {

// The point size a stored height shows as (a cell height is taken as the character height).
double pointSizeOfHeight(std::int32_t height, double dpi);
// The stored height of a point size: minus the character height in whole pixels.
std::int32_t heightOfPointSize(double points, double dpi);

} // namespace zorvane
