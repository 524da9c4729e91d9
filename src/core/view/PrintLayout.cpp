#include "view/PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zorvane {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero, in 64 bits.
std::int64_t mulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    return static_cast<std::int64_t>(std::llround(static_cast<double>(a) * b / c));
}

// The nearest integer, halves to even.
std::int64_t roundEven(double v) {
    return static_cast<std::int64_t>(std::nearbyint(v));
}

} // namespace

DeviceRect printedPicture(int w, int h, int pw, int ph, int percent) {
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0 || percent <= 0) return {};
    // The page fit: the whole width when the picture is wider than the page, else the height.
    const bool wider = static_cast<std::int64_t>(w) * ph > static_cast<std::int64_t>(pw) * h;
    const std::int64_t fitW = wider ? pw : mulDiv(w, ph, h);
    const std::int64_t scaledW = roundEven(percent * static_cast<double>(fitW) / 100);

    DeviceRect area;
    area.left = static_cast<int>(
        std::min<std::int64_t>(roundEven(static_cast<double>(scaledW) * 0.125), pw - 1));
    area.top = ph > 2 * kPictureTop ? kPictureTop : ph / 2;
    area.right = pw;
    area.bottom = ph;

    // The largest w x h shape that fits the area, against its top-left corner.
    const std::int64_t aw = area.width(), ah = area.height();
    std::int64_t outW, outH;
    if (static_cast<std::int64_t>(w) * ah > aw * static_cast<std::int64_t>(h)) {
        outW = aw;
        outH = std::max<std::int64_t>(1, mulDiv(h, aw, w));
    } else {
        outH = ah;
        outW = std::max<std::int64_t>(1, mulDiv(w, ah, h));
    }
    return {area.left, area.top, static_cast<int>(area.left + outW),
            static_cast<int>(area.top + outH)};
}

} // namespace zorvane
