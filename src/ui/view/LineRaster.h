#pragma once
// The plan's line work written straight into a 32-bit image. A one-pixel pen draws one pixel
// per column (or row, for steep lines), both ends included. A wider pen covers every pixel
// whose centre lies within half its width of a segment: discs swept along the segments give the
// round ends and round joins the canvas promises. QPainter builds an outline with a round join
// at every vertex and sets up its pen per call, which costs tens of milliseconds on a long
// measured line; here a segment costs the pixels it covers. Segments are clipped to the image
// first, so what lies off the surface costs nothing. Plain C++: the caller hands over the pixels.
#include <cstddef>
#include <cstdint>
#include <span>

namespace zorvane::ui {

struct RasterPoint {
    double x = 0, y = 0;
};

class LineRaster {
  public:
    // Pixels of `width` x `height`, rows `stride` pixels apart.
    LineRaster(std::uint32_t* bits, std::ptrdiff_t stride, int width, int height);

    // A pen `width` pixels across; 0 and 1 both draw one pixel wide. Wider pens of odd width
    // are centred on the pixel, even ones on its top-left corner, as the point marks are.
    void setPen(std::uint32_t pixel, int width);

    // The open line through the points in order; when they all coincide, a dot as wide as the
    // pen.
    void polyline(std::span<const RasterPoint> points);
    void segment(RasterPoint a, RasterPoint b);

  private:
    void thin(RasterPoint a, RasterPoint b);
    template <bool Steep> void thinWalk(double u1, double v1, double u2, double v2);
    bool clip(RasterPoint& a, RasterPoint& b) const;
    void capsule(RasterPoint a, RasterPoint b);
    void span(int y, double left, double right);

    std::uint32_t* bits_;
    std::ptrdiff_t stride_;
    int width_, height_;
    std::uint32_t pixel_ = 0xFF000000u;
    bool wide_ = false;
    double radius_ = 0.5, shift_ = 0;
};

} // namespace zorvane::ui
