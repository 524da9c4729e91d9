#include "view/PlanRenderer.h"

#include "model/LegendRecord.h"
#include "view/PointsPass.h"
#include "view/PolylineDrawing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace zorvane {

namespace {

// Positions built from stored values (legend, north arrow, label height) may be any 32-bit
// value; sums of them are kept in 64 bits and brought back into the pixel range here.
int pixel(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kPixelLimit, kPixelLimit));
}

void drawLegend(const LegendRecord& legend, Canvas& canvas) {
    canvas.setFont({legend.fontName.str(), legend.fontHeight, legend.fontStyle, legend.fontColour});
    const std::int64_t h = legend.fontHeight;
    const std::int64_t d = roundHalfEven(static_cast<double>(h) / 5);
    const std::int64_t left = legend.left, top = legend.top;
    std::int64_t y = top;
    std::int64_t w = 0;
    for (const auto& line : legend.lines) {
        if (line.empty()) continue;
        canvas.text(pixel(left + 2), pixel(y - d), line.view());
        w = std::max<std::int64_t>(w, canvas.textWidth(line.view()));
        y -= h;
    }
    if (!legend.boxed) return;
    canvas.setPen(legend.fontColour, 1);
    const int l = pixel(left), t = pixel(top), r = pixel(left + w + 4), b = pixel(y - d + 2);
    const std::array<PixelPos, 5> box{{{l, t}, {r, t}, {r, b}, {l, b}, {l, t}}};
    canvas.polyline(box);
}

void drawNorthArrow(PixelPos at, Canvas& canvas) {
    const std::int64_t x = at.x, y = at.y;
    canvas.setPen(kBlack, 1);
    canvas.setFont({"Arial", 15, kBold, kBlack});
    canvas.text(pixel(x - 3), pixel(y + 26), "N");
    const std::array<PixelPos, 3> triangle{
        {{pixel(x), pixel(y)}, {pixel(x - 5), pixel(y + 25)}, {pixel(x + 5), pixel(y + 25)}}};
    canvas.polygon(triangle, kWhite);
}

} // namespace

CanvasFont labelFont(const PlanView& view) {
    return {"Arial", view.labelHeight, 0, kBlack};
}

RedrawResult redrawPlan(const CaseData& doc, PlanView& view, Canvas& canvas) {
    canvas.fillRect(0, 0, view.width, view.height, kWhite);
    recomputeView(view.transform, doc.points, doc.screen, doc.mode);
    PointsPass(view, canvas).draw(doc.points, doc.screen, labelFont(view));
    if (doc.legend.visible) drawLegend(doc.legend, canvas);
    if (view.toggles.showNorthArrow) drawNorthArrow(view.northArrow, canvas);

    RedrawResult result;
    if (view.toggles.showPolylines) {
        PolylineDrawReport report = drawPolylines(doc.polylines, doc.points, doc.screen, canvas);
        result.conversionError = std::move(report.conversionError);
        if (!report.brokenNames.empty())
            result.brokenDefinitions = brokenDefinitionsMessage(report.brokenNames);
    }
    result.zoomReadout = zoomReadout(view.zoomFactor);
    return result;
}

} // namespace zorvane
