#pragma once
// The plan's characters, rendered once per font and colour and then copied into the image:
// a QPainter call per label is far too slow for a pan over a large case. Faces are shared by
// every canvas and live as long as the application object; like all painting here they are
// used on the GUI thread only.
#include "view/Canvas.h"

#include <QChar>
#include <QFont>
#include <QRgb>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace zorvane::ui {

// dst with src laid over it at coverage a (0..255).
QRgb mixRgb(QRgb dst, QRgb src, unsigned a);
// The character each cp1252 byte stands for (null for the five unassigned bytes).
const std::array<QChar, 256>& unicodeOfCp1252();

// The ink of each character in one colour, already blended onto the white cell: a label is
// then a white fill and one store per ink pixel, plus a blend for the odd pixel that reaches
// past a character's own box into its neighbour's. For the small sizes of point labels each
// character's whole box (advance by cell height, white included) is kept too, so that a label
// is copied row by row.
struct GlyphTint {
    struct Pixel {
        std::int16_t dx, dy; // from the pen position and the cell top
        QRgb rgb;
    };
    QRgb rgb = 0;
    std::array<std::vector<Pixel>, 256> ink;
    std::array<bool, 256> built{};
    // Rows of boxStride(advance) pixels, top to bottom; the pixels past the advance are white.
    std::array<std::vector<QRgb>, 256> box;
    std::array<bool, 256> boxBuilt{};
};

// One font at one size: the advance of every character and, for sizes up to 200 pixels, its
// coverage rendered on first use. Larger characters are drawn by QPainter each time.
struct GlyphFace {
    struct Mask {
        int left = 0, top = 0, width = 0, height = 0; // relative to the pen position and cell top
        std::vector<unsigned char> alpha;
        bool built = false;
        // Ink beyond the character's own advance and cell ("A", "W", "j" reach a pixel into
        // their neighbours); blended after all the cells of a text are in place.
        struct Ink {
            int dx, dy;
            unsigned a;
        };
        std::vector<Ink> outside;
    };
    std::array<bool, 256> overhangs{}; // the mask holds ink outside the box
    QFont font;
    int pixelSize = 0;
    int cellHeight = 0;
    int ascent = 0;
    bool cached = false;
    std::array<int, 256> advance{};
    std::array<Mask, 256> masks;
    std::vector<std::shared_ptr<GlyphTint>> tints; // most recent last

    explicit GlyphFace(const CanvasFont& wanted);
    // The character's coverage, rendered on first use.
    const Mask& mask(unsigned char byte);
    bool inBox(unsigned char byte, int x, int y) const;
    std::shared_ptr<GlyphTint> tint(QRgb rgb);
    // The character's ink in the tint's colour, inside its box; built on first use.
    const std::vector<GlyphTint::Pixel>& ink(GlyphTint& t, unsigned char byte);
    // Whether boxes are kept for this face (small cells only).
    bool keepsBoxes() const;
    // The character's whole box in the tint's colour; built on first use.
    const std::vector<QRgb>& box(GlyphTint& t, unsigned char byte);
    // Box rows are padded to a multiple of four pixels, so that most rows are copied in a few
    // fixed-size moves.
    static int boxStride(int advance) { return (advance + 3) & ~3; }
};

// The face of a font; faces are kept for the next canvas.
std::shared_ptr<GlyphFace> glyphFaceFor(const CanvasFont& wanted);

} // namespace zorvane::ui
