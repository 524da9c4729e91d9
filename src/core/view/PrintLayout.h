#pragma once
// Where a printed plan goes on the page, in device pixels of the printable area. The case
// name line is printed at (50, 10); the picture goes below it, keeping its proportions: a
// plan drawn to scale is never squeezed.
namespace zorvane {

struct DeviceRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

inline constexpr int kCaseNameX = 50;
inline constexpr int kCaseNameY = 10;
inline constexpr int kPictureTop = 600;

// The picture of w x h pixels on a printable page of pw x ph device pixels, at `percent`:
// it is first fitted to the page (W' x H'), scaled by the percentage (W'' x H''), and then
// fitted, proportions kept, into the area from (W'' / 8, 600) to the page's right and bottom
// edges, against that area's top-left corner. A page not much taller than 600 pixels (a low
// resolution) starts the picture halfway down instead. An empty picture or page gives an
// empty rectangle.
DeviceRect printedPicture(int w, int h, int pw, int ph, int percent = 100);

} // namespace zorvane
