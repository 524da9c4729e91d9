#include "view/FontSize.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace zorvane {
namespace {
constexpr double kMaxPixels = 32767; // beyond any font a text can be drawn in
}

double pointSizeOfHeight(std::int32_t height, double dpi) {
    if (!(dpi > 0)) return 0;
    return std::abs(static_cast<double>(height)) * 72.0 / dpi;
}

std::int32_t heightOfPointSize(double points, double dpi) {
    if (!(points > 0) || !(dpi > 0)) return -1;
    const double pixels = std::min(std::round(points * dpi / 72.0), kMaxPixels);
    return -std::max<std::int32_t>(1, static_cast<std::int32_t>(pixels));
}

} // namespace zorvane
