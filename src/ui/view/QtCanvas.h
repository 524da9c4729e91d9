#pragma once
// The plan's canvas on a QImage. Lines, polylines and arcs are rasterised here without
// antialiasing (crisp lines, exact colours; wide pens with round ends and joins, see
// LineRaster), arcs flattened only where they cross the surface; the filled polygon goes
// through QPainter. The two things drawn per point, the marks and the label texts, are written
// straight into the image's pixels too, because a QPainter call per point is far too slow for a
// pan over a large case. A zero-length line is a round mark as wide as the pen (3 pixels: a
// 3 x 3 block). Texts are antialiased.
//
// Fonts: a negative height is the character (em) height in pixels, which is what QFont's
// pixel size means; a positive height is the whole cell (ascent + descent), so the pixel size
// is chosen to give that cell and the cell is exactly that high; 0 stands for a 12-pixel
// character. Pixel sizes are kept within 1..2048. Each character is drawn at a whole pixel
// with its own advance (no kerning), so textWidth is the sum of the advances and every text is
// clipped to its cell. Rendered characters are kept between canvases; like all painting here,
// it runs on the GUI thread only.
#include "ui/view/LineRaster.h"
#include "view/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

#include <memory>
#include <optional>
#include <vector>

namespace zorvane::ui {

struct GlyphFace;
struct GlyphTint;

class QtCanvas final : public Canvas {
  public:
    // Paints on `image` until destroyed; an image that is not 32-bit RGB is converted first.
    explicit QtCanvas(QImage& image);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

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
    struct Span {
        int dy, x0, x1; // one row of a mark: pixels x0..x1 at row dy
    };
    void applyPen();
    void shapeMarks(int width);
    // Marks in their own colours, or all in `colour` when given.
    void stampMarks(std::span<const Mark> marks, int penWidth, std::optional<QRgb> colour);
    void drawCells(int x, int y, std::string_view cp1252, std::int64_t width, const QRect& clip);
    void copyBoxes(int x, int y, std::string_view cp1252, std::int64_t width);
    void blendOverhangs(int x, int y, std::string_view cp1252, const QRect& clip);

    QImage& image_;
    QPainter painter_;
    QRgb* bits_ = nullptr;
    qsizetype stride_ = 0; // in pixels
    int width_ = 0, height_ = 0;

    QRgb penRgb_ = 0xFF000000;
    int penWidth_ = 1;
    bool painterPenStale_ = true;
    std::vector<Span> mark_; // the pixels of a zero-length line with a pen markWidth_ wide
    int markWidth_ = 0;
    int markReach_ = 0; // how far the mark may extend from its centre pixel
    std::vector<QPoint> points_;
    LineRaster lines_{nullptr, 0, 0, 0}; // lines, polylines and arcs
    std::vector<RasterPoint> rasterPoints_;

    std::shared_ptr<GlyphFace> face_;
    std::shared_ptr<GlyphTint> tint_; // the current font's characters in the current text colour
    QRgb textRgb_ = 0xFF000000;
};

} // namespace zorvane::ui
