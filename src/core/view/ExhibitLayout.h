#pragma once
// Where everything sits on an exhibit sheet: a border 10 mm inside the paper's edge, the plan's
// frame above a title block 30 mm high, and in the title block the case and incident texts,
// the scale with its bar, and the north arrow. The plan is drawn at 1:N with the frame's
// centre on a chosen world position (the centre of the current view). Sheet units throughout.
#include "model/CaseData.h"
#include "view/ExhibitSettings.h"
#include "view/PlanView.h"
#include "view/ScaleBar.h"

#include <string>
#include <vector>

namespace zorvane {

struct SheetRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const SheetRect&, const SheetRect&) = default;
};

// One line of the title block. A text wider than maxWidth is drawn in a smaller font.
struct SheetText {
    enum class Align { Left, Centre };
    int x = 0, y = 0; // the cell's top-left, or for Centre its top middle
    int height = 0;   // cell height
    bool bold = false;
    Align align = Align::Left;
    int maxWidth = 0;
    std::string text; // cp1252
};

struct NorthArrowShape {
    PixelPos apex;
    int halfWidth = 0, length = 0; // the base lies `length` below the apex
    SheetText letter;
};

struct ExhibitLayout {
    ExhibitSettings settings;
    SheetSize sheet;
    SheetRect border, frame, titleBlock, infoCell, scaleCell, northCell;
    WorldPos centre;          // the world position at the frame's centre
    double unitsPerWorld = 0; // sheet units per stored length unit
    std::vector<SheetText> texts;
    ScaleBar bar;
    PixelPos barOrigin; // top-left of the bar
    int barHeight = 0;
    NorthArrowShape north;
    int borderPen = 0, rulePen = 0;
};

inline constexpr int kSheetMargin = 100;      // 10 mm
inline constexpr int kTitleBlockHeight = 300; // 30 mm

// The plan's frame on a sheet of that size.
SheetRect planFrame(SheetSize sheet);

ExhibitLayout layoutExhibit(const ExhibitSettings& settings, const CaseData& data, WorldPos centre);

// The world position at the centre of the drawing surface as the view stands (the transform is
// derived afresh from the positions); the origin when the case has no points, the middle of the
// points when the view has no usable scale.
WorldPos viewCentre(const CaseData& data, const PlanView& view);

// The smallest scale among 1, 2, 2.5 and 5 times the powers of ten (the standard scales among
// them) at which every point lies in the frame with `centre` at its middle; kMaxScale when none
// does, 200 for a case without points.
std::int32_t fittingScale(const CaseData& data, WorldPos centre, Paper paper,
                          Orientation orientation);

// Landscape unless the points spread further north-south than east-west.
Orientation fittingOrientation(const CaseData& data);

} // namespace zorvane
