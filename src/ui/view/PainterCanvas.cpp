#include "ui/view/PainterCanvas.h"

#include "ui/app/QtColour.h"
#include "ui/view/GlyphCache.h"

#include "text/Cp1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace zorvane::ui {
namespace {

constexpr int kMaxPenWidth = 255;

QString unicodeOf(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

// Liang-Barsky: cuts the segment a-b to the rectangle; false when none of it is inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF from = a;
    a = from + QPointF(dx, dy) * t0;
    b = from + QPointF(dx, dy) * t1;
    return true;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, double penScale)
    : painter_(painter), penScale_(penScale) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    setPen(kBlack, 1);
    setFont({"Arial", 12, 0, kBlack});
}

PainterCanvas::~PainterCanvas() = default;

bool PainterCanvas::wholly(const QRectF& bounds) const {
    return !clip_ || clip_->contains(bounds);
}

void PainterCanvas::strokeClipped(const std::vector<QPointF>& line) {
    painter_.setPen(pen_);
    if (line.size() < 2) return;
    if (wholly(QPolygonF(QList<QPointF>(line.begin(), line.end())).boundingRect()))
        return painter_.drawPolyline(line.data(), static_cast<int>(line.size()));
    std::vector<QPointF> run;
    auto flush = [&] {
        if (run.size() >= 2) painter_.drawPolyline(run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    for (std::size_t i = 1; i < line.size(); ++i) {
        QPointF a = line[i - 1], b = line[i];
        if (!clipSegment(a, b, *clip_)) {
            flush();
            continue;
        }
        if (run.empty() || run.back() != a) {
            flush();
            run.push_back(a);
        }
        run.push_back(b);
        if (b != line[i]) flush(); // the line leaves the clip here
    }
    flush();
}

void PainterCanvas::fillRect(int left, int top, int right, int bottom, Colour colour) {
    QRectF r(left, top, double(right) - left, double(bottom) - top);
    if (clip_) r = r.intersected(*clip_);
    if (r.width() <= 0 || r.height() <= 0) return;
    painter_.fillRect(r, toQColor(colour));
}

void PainterCanvas::setPen(Colour colour, int width) {
    penWidth_ = std::clamp(width, 1, kMaxPenWidth);
    pen_ =
        QPen(toQColor(colour), penWidth_ * penScale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PainterCanvas::mark(int x, int y, const QColor& colour, int width) {
    if (clip_ && !clip_->contains(QPointF(x, y))) return;
    const double r = std::clamp(width, 1, kMaxPenWidth) * penScale_ / 2;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    painter_.drawEllipse(QPointF(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2) {
    // A zero-length line is a round mark as wide as the pen, as on the screen.
    if (x1 == x2 && y1 == y2) return mark(x1, y1, pen_.color(), penWidth_);
    strokeClipped({QPointF(x1, y1), QPointF(x2, y2)});
}

void PainterCanvas::marks(std::span<const Mark> marks, int width) {
    for (const Mark& m : marks) mark(m.x, m.y, toQColor(m.colour), width);
}

const std::vector<QPointF>& PainterCanvas::points(std::span<const PixelPos> vertices) {
    points_.clear();
    for (const PixelPos& v : vertices) points_.emplace_back(v.x, v.y);
    return points_;
}

void PainterCanvas::polyline(std::span<const PixelPos> vertices) {
    if (vertices.size() < 2) return;
    strokeClipped(points(vertices));
}

void PainterCanvas::polygon(std::span<const PixelPos> vertices, Colour fill) {
    if (vertices.empty()) return;
    const auto& p = points(vertices);
    QPolygonF shape(QList<QPointF>(p.begin(), p.end()));
    if (!wholly(shape.boundingRect())) shape = shape.intersected(QPolygonF(*clip_));
    if (shape.isEmpty()) return;
    painter_.setPen(pen_);
    painter_.setBrush(toQColor(fill));
    painter_.drawPolygon(shape);
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                        int yEnd) {
    const double l = std::min(left, right), r = std::max(left, right);
    const double t = std::min(top, bottom), b = std::max(top, bottom);
    const double cx = (l + r) / 2, cy = (t + b) / 2, ax = (r - l) / 2, ay = (b - t) / 2;
    // Qt's arcs run counter-clockwise from 3 o'clock with y up, in the ellipse's own
    // parameter; a ray through a point meets the ellipse at the parameter of the scaled offset.
    auto degrees = [&](int x, int y) {
        const double dx = ax > 0 ? (x - cx) / ax : x - cx;
        const double dy = ay > 0 ? (cy - y) / ay : cy - y;
        return std::atan2(dy, dx) * 180 / 3.14159265358979323846;
    };
    const double start = degrees(xStart, yStart);
    double sweep = std::fmod(degrees(xEnd, yEnd) - start + 720, 360);
    if (sweep == 0) sweep = 360; // start and end on one ray: the whole ellipse
    const QRectF rect(l, t, r - l, b - t);
    QPainterPath path;
    path.arcMoveTo(rect, start);
    path.arcTo(rect, start, sweep);
    painter_.setPen(pen_);
    if (wholly(path.controlPointRect())) return painter_.drawPath(path);
    // Cut at the clip as the line segments of the curve, fine enough for print.
    for (const QPolygonF& part : path.toSubpathPolygons())
        strokeClipped(std::vector<QPointF>(part.begin(), part.end()));
}

void PainterCanvas::setFont(const CanvasFont& font) {
    face_ = glyphFaceFor(font);
    font_ = face_->font;
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(false);
    textColour_ = toQColor(font.colour);
}

void PainterCanvas::setTextColour(Colour colour) {
    textColour_ = toQColor(colour);
}

int PainterCanvas::textWidth(std::string_view cp1252) {
    if (cp1252.empty()) return 0;
    return static_cast<int>(std::ceil(QFontMetricsF(font_).horizontalAdvance(unicodeOf(cp1252))));
}

int PainterCanvas::textHeight() {
    return face_->cellHeight;
}

void PainterCanvas::text(int x, int y, std::string_view cp1252) {
    const int width = textWidth(cp1252);
    if (width <= 0 || !wholly(QRectF(x, y, width, face_->cellHeight))) return;
    painter_.fillRect(QRectF(x, y, width, face_->cellHeight), Qt::white);
    painter_.setFont(font_);
    painter_.setPen(textColour_);
    painter_.drawText(QPointF(x, y + face_->ascent), unicodeOf(cp1252));
}

} // namespace zorvane::ui
