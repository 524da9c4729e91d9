#include "ui/view/QtCanvas.h"

#include "ui/app/QtColour.h"
#include "ui/view/ArcPolyline.h"
#include "ui/view/GlyphCache.h"

#include "view/Prefetch.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <optional>

namespace zorvane::ui {

namespace {
constexpr int kMaxPenWidth = 255;
constexpr std::size_t kMarksAhead = 12;
// How far a flattened arc may stray from the true curve, in pixels.
constexpr double kArcTolerance = 0.2;
} // namespace

QtCanvas::QtCanvas(QImage& image) : image_(image) {
    const auto format = image_.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        image_.convertTo(QImage::Format_RGB32);
    if (!image_.isNull()) {
        bits_ = reinterpret_cast<QRgb*>(image_.bits()); // detaches before the painter starts
        stride_ = image_.bytesPerLine() / 4;
        width_ = image_.width();
        height_ = image_.height();
        painter_.begin(&image_);
    }
    lines_ = LineRaster(reinterpret_cast<std::uint32_t*>(bits_), stride_, width_, height_);
    shapeMarks(1);
    setFont({"Arial", 12, 0, kBlack});
}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::fillRect(int left, int top, int right, int bottom, Colour colour) {
    const int x0 = std::max(left, 0), x1 = std::min(right, width_);
    const int y0 = std::max(top, 0), y1 = std::min(bottom, height_);
    if (x0 >= x1 || y0 >= y1) return;
    const QRgb rgb = toQRgb(colour);
    if (rgb == 0xFFFFFFFFu) { // the white of every redraw: a byte fill is several times faster
        for (int y = y0; y < y1; ++y)
            std::memset(bits_ + y * stride_ + x0, 0xFF, sizeof(QRgb) * (x1 - x0));
        return;
    }
    for (int y = y0; y < y1; ++y) std::fill_n(bits_ + y * stride_ + x0, x1 - x0, rgb);
}

void QtCanvas::setPen(Colour colour, int width) {
    const QRgb rgb = toQRgb(colour);
    width = std::clamp(width, 1, kMaxPenWidth);
    if (rgb == penRgb_ && width == penWidth_) return;
    penRgb_ = rgb;
    penWidth_ = width;
    painterPenStale_ = true;
    lines_.setPen(rgb, width);
}

void QtCanvas::shapeMarks(int width) {
    width = std::clamp(width, 1, kMaxPenWidth);
    if (width == markWidth_) return;
    markWidth_ = width;
    // A round mark `width` pixels across: odd widths centred on the pixel, even ones on its
    // top-left corner. Qt itself draws nothing for a zero-length line.
    mark_.clear();
    const double r2 = width * width / 4.0;
    const double c = width % 2 ? 0.0 : -0.5;
    const int reach = width / 2 + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        int x0 = reach + 1, x1 = -reach - 1;
        for (int dx = -reach; dx <= reach; ++dx)
            if ((dx - c) * (dx - c) + (dy - c) * (dy - c) <= r2)
                x0 = std::min(x0, dx), x1 = std::max(x1, dx);
        if (x0 <= x1) mark_.push_back({dy, x0, x1});
    }
    markReach_ = reach;
}

void QtCanvas::applyPen() {
    if (!painterPenStale_) return;
    painter_.setPen(QPen(QColor::fromRgb(penRgb_), penWidth_ <= 1 ? 0 : penWidth_, Qt::SolidLine,
                         Qt::RoundCap, Qt::RoundJoin));
    painterPenStale_ = false;
}

void QtCanvas::line(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) {
        const Mark mark{x1, y1, 0};
        return stampMarks(std::span<const Mark>(&mark, 1), penWidth_, penRgb_);
    }
    lines_.segment({double(x1), double(y1)}, {double(x2), double(y2)});
}

void QtCanvas::marks(std::span<const Mark> marks, int width) {
    stampMarks(marks, width, std::nullopt);
}

void QtCanvas::stampMarks(std::span<const Mark> marks, int penWidth, std::optional<QRgb> colour) {
    shapeMarks(penWidth);
    // Locals, so that the stores into the image cannot make the compiler reload them.
    QRgb* const bits = bits_;
    const qsizetype stride = stride_;
    const std::int64_t width = width_, height = height_, reach = markReach_;
    const Span* const spans = mark_.data();
    const std::size_t rows = mark_.size();
    const bool block3 = penWidth == 3; // the shape above is then a 3 x 3 block
    QRgb lastRgb = 0xFF000000u;
    Colour last = 0;
    for (std::size_t k = 0; k < marks.size(); ++k) {
        const Mark& p = marks[k];
        // Marks land all over the image, a cache miss per row: ask for later ones early.
        if (k + kMarksAhead < marks.size()) {
            const Mark& ahead = marks[k + kMarksAhead];
            if (ahead.y >= 1 && ahead.y < height - 1 && ahead.x >= 0 && ahead.x < width) {
                const QRgb* at = bits + ahead.y * stride + ahead.x;
                prefetch(at - stride), prefetch(at), prefetch(at + stride);
            }
        }
        if (p.colour != last) last = p.colour, lastRgb = toQRgb(p.colour);
        const QRgb rgb = colour ? *colour : lastRgb;
        if (p.x >= reach && p.y >= reach && p.x < width - reach && p.y < height - reach) {
            // Wholly inside, the common case: no clipping per row.
            QRgb* const centre = bits + p.y * stride + p.x;
            if (block3) { // the plan's own marks
                QRgb* const above = centre - stride;
                QRgb* const below = centre + stride;
                above[-1] = above[0] = above[1] = rgb;
                centre[-1] = centre[0] = centre[1] = rgb;
                below[-1] = below[0] = below[1] = rgb;
                continue;
            }
            for (std::size_t r = 0; r < rows; ++r) {
                QRgb* const row = centre + spans[r].dy * stride;
                for (int dx = spans[r].x0; dx <= spans[r].x1; ++dx) row[dx] = rgb;
            }
            continue;
        }
        for (std::size_t r = 0; r < rows; ++r) {
            const std::int64_t y = std::int64_t{p.y} + spans[r].dy;
            if (y < 0 || y >= height) continue;
            const std::int64_t a = std::max<std::int64_t>(std::int64_t{p.x} + spans[r].x0, 0);
            const std::int64_t b =
                std::min<std::int64_t>(std::int64_t{p.x} + spans[r].x1, width - 1);
            for (std::int64_t x = a; x <= b; ++x) bits[y * stride + x] = rgb;
        }
    }
}

void QtCanvas::polyline(std::span<const PixelPos> vertices) {
    if (vertices.size() < 2) return;
    rasterPoints_.clear();
    for (const PixelPos& v : vertices) rasterPoints_.push_back({double(v.x), double(v.y)});
    lines_.polyline(rasterPoints_);
}

void QtCanvas::polygon(std::span<const PixelPos> vertices, Colour fill) {
    if (!painter_.isActive() || vertices.empty()) return;
    applyPen();
    points_.clear();
    for (const PixelPos& v : vertices) points_.emplace_back(v.x, v.y);
    painter_.setBrush(QColor::fromRgb(toQRgb(fill)));
    painter_.drawPolygon(points_.data(), static_cast<int>(points_.size()));
    painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                   int yEnd) {
    if (width_ <= 0 || height_ <= 0) return;
    const double l = std::min(left, right), r = std::max(left, right);
    const double t = std::min(top, bottom), b = std::max(top, bottom);
    EllipseArc arc{(l + r) / 2, (t + b) / 2, (r - l) / 2, (b - t) / 2, 0, 0};
    // Angles in the ellipse's own parameter, counter-clockwise from 3 o'clock with y up: a ray
    // through a point meets the ellipse at the parameter of the scaled offset.
    auto parameter = [&](int x, int y) {
        const double dx = arc.ax > 0 ? (x - arc.cx) / arc.ax : x - arc.cx;
        const double dy = arc.ay > 0 ? (arc.cy - y) / arc.ay : arc.cy - y;
        return std::atan2(dy, dx);
    };
    constexpr double kTwoPi = 2 * std::numbers::pi;
    arc.start = parameter(xStart, yStart);
    arc.sweep = std::fmod(parameter(xEnd, yEnd) - arc.start + 2 * kTwoPi, kTwoPi);
    if (arc.sweep == 0) arc.sweep = kTwoPi; // start and end on one ray: the whole ellipse
    // Only the parts on the surface are flattened, with exact ends (no rounding of the angles
    // to 1/16 degree, which on a flat arc of a large radius runs pixels past its end points).
    const double margin = penWidth_ / 2.0 + 2;
    const VisibleBox box{-margin, -margin, width_ - 1 + margin, height_ - 1 + margin};
    flattenArc(arc, box, kArcTolerance,
               [&](std::span<const RasterPoint> run) { lines_.polyline(run); });
}

void QtCanvas::setFont(const CanvasFont& font) {
    face_ = glyphFaceFor(font);
    tint_.reset();
    textRgb_ = toQRgb(font.colour);
}

void QtCanvas::setTextColour(Colour colour) {
    textRgb_ = toQRgb(colour);
}

int QtCanvas::textWidth(std::string_view cp1252) {
    int width = 0;
    for (const char c : cp1252) width += face_->advance[static_cast<unsigned char>(c)];
    return width;
}

int QtCanvas::textHeight() {
    return face_->cellHeight;
}

namespace {

// `rows` rows of N pixels: a size the compiler turns into a few moves, where a call to copy a
// handful of pixels costs more than the copy.
template <int N> void copyRows(QRgb* to, std::ptrdiff_t stride, const QRgb* from, int rows) {
    for (int row = 0; row < rows; ++row, from += N, to += stride)
        std::memcpy(to, from, N * sizeof(QRgb));
}

} // namespace

// A label wholly on the surface: the boxes of its characters side by side, left to right. A
// padded row may spill into the next character's box, which is written after it; only a spill
// past the end of the cell is avoided.
void QtCanvas::copyBoxes(int x, int y, std::string_view cp1252, std::int64_t width) {
    const int rows = face_->cellHeight;
    QRgb* pen = bits_ + static_cast<std::int64_t>(y) * stride_ + x;
    QRgb* const end = pen + width;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        const int advance = face_->advance[byte], padded = GlyphFace::boxStride(advance);
        const QRgb* from = face_->box(*tint_, byte).data();
        switch (pen + padded <= end ? padded : 0) {
        case 4:
            copyRows<4>(pen, stride_, from, rows);
            break;
        case 8:
            copyRows<8>(pen, stride_, from, rows);
            break;
        case 12:
            copyRows<12>(pen, stride_, from, rows);
            break;
        case 16:
            copyRows<16>(pen, stride_, from, rows);
            break;
        default:
            for (int row = 0; row < rows; ++row)
                std::copy_n(from + row * padded, advance, pen + row * stride_);
        }
        pen += advance;
    }
}

void QtCanvas::drawCells(int x, int y, std::string_view cp1252, std::int64_t width,
                         const QRect& clip) {
    if (!tint_ || tint_->rgb != textRgb_) tint_ = face_->tint(textRgb_);
    const int cl = clip.left(), cr = clip.right() + 1, ct = clip.top(), cb = clip.bottom() + 1;
    const bool whole = cl == x && ct == y && cb - ct == face_->cellHeight && cr - cl == width;
    if (whole && face_->keepsBoxes()) {
        copyBoxes(x, y, cp1252, width);
        return blendOverhangs(x, y, cp1252, clip);
    }
    for (int row = ct; row < cb; ++row)
        std::fill_n(bits_ + row * stride_ + cl, cr - cl, 0xFFFFFFFFu);
    QRgb* const top = whole ? bits_ + static_cast<std::int64_t>(y) * stride_ : nullptr;
    std::int64_t pen = x;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        const int advance = face_->advance[byte];
        if (pen + advance > cl && pen < cr) {
            const auto& ink = face_->ink(*tint_, byte);
            if (whole) {
                for (const GlyphTint::Pixel& p : ink) top[p.dy * stride_ + pen + p.dx] = p.rgb;
            } else {
                for (const GlyphTint::Pixel& p : ink) {
                    const std::int64_t px = pen + p.dx, py = std::int64_t{y} + p.dy;
                    if (px >= cl && px < cr && py >= ct && py < cb)
                        bits_[py * stride_ + px] = p.rgb;
                }
            }
        }
        pen += advance;
    }
    blendOverhangs(x, y, cp1252, clip);
}

// Ink that reaches past a character's box into its neighbour's, laid over the cells.
void QtCanvas::blendOverhangs(int x, int y, std::string_view cp1252, const QRect& clip) {
    bool overhangs = false;
    for (const char c : cp1252)
        overhangs = overhangs || face_->overhangs[static_cast<unsigned char>(c)];
    if (!overhangs) return;
    const int cl = clip.left(), cr = clip.right() + 1, ct = clip.top(), cb = clip.bottom() + 1;
    std::int64_t pen = x;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (face_->overhangs[byte]) {
            for (const GlyphFace::Mask::Ink& ink : face_->mask(byte).outside) {
                const std::int64_t px = pen + ink.dx, py = std::int64_t{y} + ink.dy;
                if (px >= cl && px < cr && py >= ct && py < cb) {
                    QRgb& d = bits_[py * stride_ + px];
                    d = mixRgb(d, textRgb_, ink.a);
                }
            }
        }
        pen += face_->advance[byte];
    }
}

void QtCanvas::text(int x, int y, std::string_view cp1252) {
    const std::int64_t width = textWidth(cp1252);
    const int cl = static_cast<int>(std::max<std::int64_t>(x, 0));
    const int cr = static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + width, width_));
    const int ct = static_cast<int>(std::max<std::int64_t>(y, 0));
    const int cb =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + face_->cellHeight, height_));
    if (cl >= cr || ct >= cb) return;
    const QRect clip(cl, ct, cr - cl, cb - ct);
    if (face_->cached) return drawCells(x, y, cp1252, width, clip);
    if (!painter_.isActive()) return;
    for (int row = ct; row < cb; ++row)
        std::fill_n(bits_ + row * stride_ + cl, cr - cl, 0xFFFFFFFFu);
    painter_.save();
    painter_.setClipRect(clip);
    painter_.setFont(face_->font);
    painter_.setPen(QColor::fromRgb(textRgb_));
    const auto& unicode = unicodeOfCp1252();
    std::int64_t pen = x;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (!unicode[byte].isNull() && pen + face_->advance[byte] + face_->pixelSize >= cl &&
            pen - face_->pixelSize < cr)
            painter_.drawText(QPoint(static_cast<int>(pen), y + face_->ascent),
                              QString(unicode[byte]));
        pen += face_->advance[byte];
    }
    painter_.restore();
    painterPenStale_ = true;
}

} // namespace zorvane::ui
