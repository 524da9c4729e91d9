#pragma once
// The plan's canvas on any QPainter, as vectors: the exhibits' PDF and SVG pages. Lines,
// outlines and arcs stay lines, marks are filled circles and texts stay texts (searchable in
// a PDF). Coordinates are the painter's own; the caller sets the device up so that one unit is
// the length it wants (a tenth of a millimetre for the exhibits).
//
// With a clip set, nothing is drawn outside it, by geometry rather than by the device (an SVG
// file has no clipping): lines and arcs are cut at its edge, and a text whose cell does not lie
// wholly inside is left out, since a label cut short could be read as another one ("70" of
// "701").
//
// Fonts resolve as on the screen's canvas (a negative height is the character height, a
// positive one the whole cell), from the same faces; text widths come from the face's outlines
// without hinting, which is what a PDF or SVG reader lays the glyphs out with.
#include "view/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace zorvane::ui {

struct GlyphFace;

class PainterCanvas final : public Canvas {
  public:
    // Pens and marks are drawn `penScale` times as wide as asked: a one-pixel line of the
    // screen is a `penScale`-unit line here.
    explicit PainterCanvas(QPainter& painter, double penScale = 1.0);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    void setClip(const QRectF& clip) { clip_ = clip; }

    void fillRect(int left, int top, int right, int bottom, Colour colour) override;
    void setPen(Colour colour, int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    void marks(std::span<const Mark> marks, int width) override;
    void polyline(std::span<const PixelPos> vertices) override;
    void polygon(std::span<const PixelPos> vertices, Colour fill) override;
    void arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
             int yEnd) override;
    void setFont(const CanvasFont& font) override;
    void setTextColour(Colour colour) override;
    void text(int x, int y, std::string_view cp1252) override;
    int textWidth(std::string_view cp1252) override;
    int textHeight() override;

  private:
    void mark(int x, int y, const QColor& colour, int width);
    const std::vector<QPointF>& points(std::span<const PixelPos> vertices);
    bool wholly(const QRectF& bounds) const;
    // The parts of an open line inside the clip, each drawn as one polyline.
    void strokeClipped(const std::vector<QPointF>& line);

    QPainter& painter_;
    double penScale_;
    QPen pen_;
    int penWidth_ = 1;
    std::shared_ptr<GlyphFace> face_;
    QFont font_;
    QColor textColour_;
    std::vector<QPointF> points_;
    std::optional<QRectF> clip_;
};

} // namespace zorvane::ui
