#include "view/ExhibitSheet.h"

#include "model/LegendRecord.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zorvane {
namespace {

constexpr int kSmallestText = 12; // 1.2 mm: below this nothing is legible anyway

void rectangle(const SheetRect& r, Canvas& canvas) {
    const std::array<PixelPos, 5> outline{{{r.left, r.top},
                                           {r.right, r.top},
                                           {r.right, r.bottom},
                                           {r.left, r.bottom},
                                           {r.left, r.top}}};
    canvas.polyline(outline);
}

void drawRules(const ExhibitLayout& l, Canvas& canvas) {
    canvas.setPen(kBlack, l.borderPen);
    rectangle(l.border, canvas);
    canvas.setPen(kBlack, l.rulePen);
    canvas.line(l.titleBlock.left, l.titleBlock.top, l.titleBlock.right, l.titleBlock.top);
    for (const SheetRect* cell : {&l.scaleCell, &l.northCell})
        canvas.line(cell->left, cell->top, cell->left, cell->bottom);
}

void drawBar(const ExhibitLayout& l, Canvas& canvas) {
    const ScaleBar& bar = l.bar;
    if (bar.segments <= 0) return;
    const int x = l.barOrigin.x, top = l.barOrigin.y, bottom = top + l.barHeight;
    auto at = [&](int k) { return x + static_cast<int>(std::lround(k * bar.segmentUnits)); };
    for (int k = 0; k < bar.segments; k += 2)
        canvas.fillRect(at(k), top, at(k + 1), bottom, kBlack);
    canvas.setPen(kBlack, 2);
    rectangle({x, top, at(bar.segments), bottom}, canvas);
}

void drawNorthArrow(const NorthArrowShape& n, Canvas& canvas) {
    const PixelPos apex = n.apex;
    const int base = apex.y + n.length;
    // The classic half-black arrow: it reads as an arrow even when copied in grey.
    const std::array<PixelPos, 3> left{{apex, {apex.x - n.halfWidth, base}, {apex.x, base}}};
    const std::array<PixelPos, 3> right{{apex, {apex.x, base}, {apex.x + n.halfWidth, base}}};
    canvas.setPen(kBlack, 3);
    canvas.polygon(left, kBlack);
    canvas.polygon(right, kWhite);
    drawSheetText(n.letter, canvas);
}

} // namespace

void drawSheetText(const SheetText& t, Canvas& canvas) {
    CanvasFont font{"Arial", t.height, static_cast<std::uint8_t>(t.bold ? kBold : 0), kBlack};
    canvas.setFont(font);
    int width = canvas.textWidth(t.text);
    // Widths follow the height closely but not exactly (hinting, rounding): a few tries.
    for (int tries = 0;
         tries < 4 && t.maxWidth > 0 && width > t.maxWidth && font.height > kSmallestText;
         ++tries) {
        const double shrink = static_cast<double>(t.maxWidth) / width;
        font.height = std::max(kSmallestText, static_cast<int>(std::floor(font.height * shrink)));
        canvas.setFont(font);
        width = canvas.textWidth(t.text);
    }
    const int x = t.align == SheetText::Align::Centre ? t.x - width / 2 : t.x;
    canvas.text(x, t.y, t.text);
}

void drawExhibitSheet(const ExhibitLayout& l, Canvas& canvas) {
    drawRules(l, canvas);
    for (const SheetText& t : l.texts) drawSheetText(t, canvas);
    drawBar(l, canvas);
    drawNorthArrow(l.north, canvas);
}

} // namespace zorvane
