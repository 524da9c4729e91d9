#include "ui/view/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorvane::ui {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The whole pixel nearest to a coordinate, halves upwards.
double nearest(double v) {
    return std::floor(v + 0.5);
}

// The points at most r across a segment whose perpendicular foot falls on it: on row y the x
// with |dx (y - ay) - dy (x - ax)| <= r |d| and 0 <= dx (x - ax) + dy (y - ay) <= |d|^2. Both
// bounds move linearly with the row, so they are set up once per segment.
class Band {
  public:
    Band(RasterPoint a, RasterPoint b, double r)
        : a_(a), dx_(b.x - a.x), dy_(b.y - a.y), r_(r), length2_(dx_ * dx_ + dy_ * dy_) {
        if (dy_ != 0)
            acrossSlope_ = dx_ / dy_, acrossHalf_ = r * std::sqrt(length2_) / std::abs(dy_);
        if (dx_ != 0) alongSlope_ = -dy_ / dx_, alongWidth_ = length2_ / dx_;
    }

    bool row(int y, double& from, double& to) const {
        if (length2_ == 0) return false;
        const double t = y - a_.y;
        if (dy_ != 0) {
            from = a_.x + t * acrossSlope_ - acrossHalf_;
            to = from + 2 * acrossHalf_;
        } else if (std::abs(t) <= r_) {
            from = -kInfinity, to = kInfinity;
        } else {
            return false;
        }
        if (dx_ != 0) {
            double p = a_.x + t * alongSlope_, q = p + alongWidth_;
            if (p > q) std::swap(p, q);
            from = std::max(from, p), to = std::min(to, q);
        } else if (dy_ * t < 0 || dy_ * t > length2_) {
            return false;
        }
        return from <= to;
    }

  private:
    RasterPoint a_;
    double dx_, dy_, r_, length2_;
    double acrossSlope_ = 0, acrossHalf_ = 0, alongSlope_ = 0, alongWidth_ = 0;
};

} // namespace

LineRaster::LineRaster(std::uint32_t* bits, std::ptrdiff_t stride, int width, int height)
    : bits_(bits), stride_(stride), width_(bits ? width : 0), height_(bits ? height : 0) {}

void LineRaster::setPen(std::uint32_t pixel, int width) {
    pixel_ = pixel;
    wide_ = width > 1;
    radius_ = wide_ ? width / 2.0 : 0.5;
    shift_ = wide_ && width % 2 == 0 ? -0.5 : 0.0;
}

void LineRaster::polyline(std::span<const RasterPoint> points) {
    if (points.empty()) return;
    bool drawn = false;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const RasterPoint a = points[k - 1], b = points[k];
        if (a.x == b.x && a.y == b.y) continue; // its pixels are the next segment's end
        segment(a, b);
        drawn = true;
    }
    if (!drawn) segment(points.front(), points.front());
}

void LineRaster::segment(RasterPoint a, RasterPoint b) {
    if (width_ <= 0 || height_ <= 0) return;
    if (!std::isfinite(a.x + a.y + b.x + b.y)) return; // no place on the surface
    if (!wide_) return thin(a, b);
    a.x += shift_, a.y += shift_, b.x += shift_, b.y += shift_;
    if (clip(a, b)) capsule(a, b);
}

// One pixel per step along the longer axis: in each column (row, for a steep line) the pixel
// nearest to the line.
void LineRaster::thin(RasterPoint a, RasterPoint b) {
    if (std::abs(b.x - a.x) >= std::abs(b.y - a.y))
        thinWalk<false>(a.x, a.y, b.x, b.y);
    else
        thinWalk<true>(a.y, a.x, b.y, b.x);
}

// Walks u, the longer axis (x, or y when Steep), with v the other. The ends are put in one
// order first, so that a segment gives the same pixels whichever way it is drawn.
template <bool Steep> void LineRaster::thinWalk(double u1, double v1, double u2, double v2) {
    if (u1 > u2 || (u1 == u2 && v1 > v2)) std::swap(u1, u2), std::swap(v1, v2);
    const double uExtent = Steep ? height_ : width_, vExtent = Steep ? width_ : height_;
    double from = std::max(nearest(u1), 0.0), to = std::min(nearest(u2), uExtent - 1);
    const double slope = u2 > u1 ? (v2 - v1) / (u2 - u1) : 0;
    if (slope != 0) { // only where the line crosses the image's other span
        const double a = u1 + (-1 - v1) / slope, b = u1 + (vExtent - v1) / slope;
        from = std::max(from, std::floor(std::min(a, b)));
        to = std::min(to, std::ceil(std::max(a, b)));
    } else if (nearest(v1) < 0 || nearest(v1) >= vExtent) {
        return;
    }
    for (double u = from; u <= to; ++u) {
        const double v = nearest(v1 + (u - u1) * slope);
        if (v < 0 || v >= vExtent) continue;
        const std::ptrdiff_t x = static_cast<std::ptrdiff_t>(Steep ? v : u);
        const std::ptrdiff_t y = static_cast<std::ptrdiff_t>(Steep ? u : v);
        bits_[y * stride_ + x] = pixel_;
    }
}

// Cuts the segment to the image grown by more than the pen's radius (Liang-Barsky): within
// the image, the pixels near the cut segment are exactly those near the whole one.
bool LineRaster::clip(RasterPoint& a, RasterPoint& b) const {
    const double margin = radius_ + 2;
    const double xmin = -margin, ymin = -margin;
    const double xmax = width_ - 1 + margin, ymax = height_ - 1 + margin;
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - xmin, xmax - a.x, a.y - ymin, ymax - a.y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const RasterPoint from = a;
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    return true;
}

// Row by row, the pixels within the radius of the segment: on each row the union of what the
// two end discs and the band between them cover, which is one run because the shape is convex.
void LineRaster::capsule(RasterPoint a, RasterPoint b) {
    const double r = radius_, r2 = r * r;
    const int first = std::max(0, static_cast<int>(std::ceil(std::min(a.y, b.y) - r)));
    const int last = std::min(height_ - 1, static_cast<int>(std::floor(std::max(a.y, b.y) + r)));
    const Band band(a, b, r);
    for (int y = first; y <= last; ++y) {
        double left = kInfinity, right = -kInfinity;
        for (const RasterPoint& end : {a, b}) {
            const double d = y - end.y, h2 = r2 - d * d;
            if (h2 < 0) continue;
            const double h = std::sqrt(h2);
            left = std::min(left, end.x - h);
            right = std::max(right, end.x + h);
        }
        double from, to;
        if (band.row(y, from, to)) left = std::min(left, from), right = std::max(right, to);
        if (left <= right) span(y, left, right);
    }
}

void LineRaster::span(int y, double left, double right) {
    const double lo = std::max(std::ceil(left), 0.0);
    const double hi = std::min(std::floor(right), static_cast<double>(width_ - 1));
    if (lo > hi) return;
    const int x0 = static_cast<int>(lo), x1 = static_cast<int>(hi);
    std::fill_n(bits_ + y * stride_ + x0, x1 - x0 + 1, pixel_);
}

} // namespace zorvane::ui
