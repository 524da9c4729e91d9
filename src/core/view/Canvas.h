#pragma once
// The raster drawing surface the plan is painted on. The renderer only ever talks to this
// interface; the program paints a QImage through it and the tests record the calls.
//
// Coordinates are surface pixels, x to the right, y downwards. Colours are 0x00BBGGRR.
// Texts are cp1252 bytes.
#include "model/PointRecord.h"
#include "view/ViewTransform.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zorvane {

// A font by name with a height in the usual signed sense: negative is the character height
// in pixels, positive the height of the whole text cell; style holds FontStyleBits.
struct CanvasFont {
    std::string name;
    std::int32_t height = 0;
    std::uint8_t style = 0;
    Colour colour = 0;

    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

struct Mark {
    int x = 0, y = 0;
    Colour colour = 0;
};

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Fills left..right-1 by top..bottom-1.
    virtual void fillRect(int left, int top, int right, int bottom, Colour colour) = 0;

    // Pen for lines, outlines and arcs; a width of 0 or 1 draws one pixel wide, wider pens
    // have round ends. Setting the pen it already has must be cheap.
    virtual void setPen(Colour colour, int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Zero-length lines with a pen `width` pixels wide, each in its own colour: the point marks.
    // A run of marks in one call saves a call and a pen change per point. The current pen is
    // neither used nor changed.
    virtual void marks(std::span<const Mark> marks, int width) = 0;
    // Open line through the vertices in order.
    virtual void polyline(std::span<const PixelPos> vertices) = 0;
    // Closed outline with the current pen, filled with `fill`.
    virtual void polygon(std::span<const PixelPos> vertices, Colour fill) = 0;
    // Part of the ellipse inscribed in the rectangle (left, top)-(right, bottom), running
    // counter-clockwise as seen on the screen from the ray through the start point to the
    // ray through the end point, both rays from the rectangle's centre. The points need not
    // lie on the curve. When start and end coincide the whole ellipse is drawn.
    virtual void arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                     int yEnd) = 0;

    virtual void setFont(const CanvasFont& font) = 0;
    // Changes only the colour of the current font (the point labels change it per point).
    virtual void setTextColour(Colour colour) = 0;
    // The text with its cell's top-left at (x, y): the cell (textWidth by textHeight) is
    // filled white, and nothing outside it is touched.
    virtual void text(int x, int y, std::string_view cp1252) = 0;
    // Width and height of the text cell in the current font.
    virtual int textWidth(std::string_view cp1252) = 0;
    virtual int textHeight() = 0;
};

} // namespace zorvane
