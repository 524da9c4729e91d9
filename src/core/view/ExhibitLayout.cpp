#include "view/ExhibitLayout.h"

#include "view/ViewTransform.h"

#include <algorithm>
#include <cmath>

namespace zorvane {
namespace {

constexpr int kPadding = 30; // inside the title block's cells
constexpr int kNorthCellWidth = 300;
constexpr int kLargeText = 50; // cell heights
constexpr int kText = 35;
constexpr int kSmallText = 30;
constexpr int kLineGap = 10;
// Labels stand right of their points; the fit leaves them this share of the frame.
constexpr double kFitShare = 0.95;

SheetText line(int x, int y, int height, bool bold, int maxWidth, std::string text) {
    return {x, y, height, bold, SheetText::Align::Left, maxWidth, std::move(text)};
}

void layoutInfo(ExhibitLayout& l, const CaseData& data) {
    const SheetRect& c = l.infoCell;
    const int x = c.left + kPadding, w = c.width() - 2 * kPadding;
    int y = c.top + 25;
    l.texts.push_back(line(x, y, kLargeText, true, w, "Case: " + data.caseName));
    y += kLargeText + kLineGap;
    l.texts.push_back(line(x, y, kText, false, w, "Description: " + data.caseDescription));
    y += kText + kLineGap;
    l.texts.push_back(line(x, y, kText, false, w, "Place: " + data.incident.place.str()));
    y += kText + kLineGap;
    l.texts.push_back(
        line(x, y, kText, false, w,
             "Date: " + data.incident.date.str() + "   Hour: " + data.incident.hour.str()));
}

void layoutScale(ExhibitLayout& l, std::int32_t unit) {
    const SheetRect& c = l.scaleCell;
    const int x = c.left + kPadding, w = c.width() - 2 * kPadding;
    l.texts.push_back(
        line(x, c.top + 25, kLargeText, true, w, "Scale " + scaleText(l.settings.scale)));
    l.texts.push_back(line(x, c.top + 85, kSmallText, false, w,
                           "Paper: " + std::string(paperName(l.settings.paper)) + " " +
                               std::string(orientationName(l.settings.orientation))));
    // Room for half of the last number past the bar's end.
    l.bar = chooseScaleBar(l.unitsPerWorld, w - 120, unit, l.settings.decimalSeparator);
    l.barOrigin = {x, c.top + 140};
    l.barHeight = 20;
    for (std::size_t k = 0; k < l.bar.labelled.size(); ++k) {
        const int at = x + static_cast<int>(std::lround(l.bar.labelled[k] * l.bar.segmentUnits));
        l.texts.push_back(
            {at, c.top + 170, kSmallText, false, SheetText::Align::Centre, 0, l.bar.labels[k]});
    }
    l.texts.push_back(line(x, c.top + 215, kSmallText, false, w, l.bar.unitName));
}

void layoutNorth(ExhibitLayout& l) {
    const SheetRect& c = l.northCell;
    const int x = (c.left + c.right) / 2;
    l.north.apex = {x, c.top + 40};
    l.north.halfWidth = 50;
    l.north.length = 160;
    l.north.letter = {x, c.top + 210, kLargeText, true, SheetText::Align::Centre, 0, "N"};
}

} // namespace

SheetRect planFrame(SheetSize sheet) {
    return {kSheetMargin, kSheetMargin, sheet.width - kSheetMargin,
            sheet.height - kSheetMargin - kTitleBlockHeight};
}

ExhibitLayout layoutExhibit(const ExhibitSettings& settings, const CaseData& data,
                            WorldPos centre) {
    ExhibitLayout l;
    l.settings = settings;
    l.settings.scale = std::clamp(settings.scale, 1, kMaxScale);
    l.sheet = sheetSize(settings.paper, settings.orientation);
    l.border = {kSheetMargin, kSheetMargin, l.sheet.width - kSheetMargin,
                l.sheet.height - kSheetMargin};
    l.frame = planFrame(l.sheet);
    l.titleBlock = {l.border.left, l.frame.bottom, l.border.right, l.border.bottom};
    const int rest = l.titleBlock.width() - kNorthCellWidth;
    const int scaleWidth = rest * 2 / 5;
    const int infoRight = l.titleBlock.left + rest - scaleWidth;
    l.infoCell = {l.titleBlock.left, l.titleBlock.top, infoRight, l.titleBlock.bottom};
    l.scaleCell = {infoRight, l.titleBlock.top, infoRight + scaleWidth, l.titleBlock.bottom};
    l.northCell = {l.scaleCell.right, l.titleBlock.top, l.titleBlock.right, l.titleBlock.bottom};
    l.centre = centre;
    l.unitsPerWorld = millimetresPerUnit(data.units.unit) * kSheetUnitsPerMm / l.settings.scale;
    l.borderPen = 5;
    l.rulePen = 3;
    layoutInfo(l, data);
    layoutScale(l, data.units.unit);
    layoutNorth(l);
    return l;
}

WorldPos viewCentre(const CaseData& data, const PlanView& view) {
    if (data.points.empty()) return {};
    ViewTransform t = view.transform;
    recomputeView(t, data.points, data.screen, data.mode);
    // The middle of the surface, in the fractions screenToWorld would round away.
    const double px = view.width / 2.0, py = view.height / 2.0;
    const WorldPos w{(px - t.sxmin) / t.s + t.wxmin, (t.symax - py) / t.s + t.wymin};
    if (std::isfinite(w.x) && std::isfinite(w.y)) return w;
    // No usable transform (every point on one pixel): the middle of the points.
    const Extents e = worldExtents(data.points, data.mode);
    const WorldPos middle{(e.x0 + e.x1) / 2, (e.y0 + e.y1) / 2};
    return std::isfinite(middle.x) && std::isfinite(middle.y) ? middle : WorldPos{};
}

std::int32_t fittingScale(const CaseData& data, WorldPos centre, Paper paper,
                          Orientation orientation) {
    const Extents e = worldExtents(data.points, data.mode);
    if (e.empty()) return 200;
    const SheetRect frame = planFrame(sheetSize(paper, orientation));
    const double halfX = std::max(e.x1 - centre.x, centre.x - e.x0);
    const double halfY = std::max(e.y1 - centre.y, centre.y - e.y0);
    const double mm = millimetresPerUnit(data.units.unit) * kSheetUnitsPerMm;
    auto fits = [&](double n) {
        return 2 * halfX * mm / n <= frame.width() * kFitShare &&
               2 * halfY * mm / n <= frame.height() * kFitShare;
    };
    for (double decade = 1; decade < kMaxScale; decade *= 10)
        for (double m : {1.0, 2.0, 2.5, 5.0})
            if (m * decade == std::floor(m * decade) && fits(m * decade))
                return static_cast<std::int32_t>(m * decade);
    return kMaxScale;
}

Orientation fittingOrientation(const CaseData& data) {
    const Extents e = worldExtents(data.points, data.mode);
    if (e.empty() || !(e.y1 - e.y0 > e.x1 - e.x0)) return Orientation::Landscape;
    return Orientation::Portrait;
}

} // namespace zorvane
