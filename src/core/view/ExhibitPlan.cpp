#include "view/ExhibitPlan.h"

#include "view/ExhibitSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zorvane {

std::int32_t planUnitsOfPixels(std::int32_t pixels) {
    const double v = std::round(pixels * kPlanUnitsPerPixel);
    return static_cast<std::int32_t>(std::clamp<double>(v, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

ExhibitPlan makeExhibitPlan(const CaseData& data, const PlanView& current,
                            const ExhibitLayout& layout) {
    ExhibitPlan e;
    e.data.mode = data.mode;
    e.data.units = data.units;
    e.data.points = data.points; // shares the chunks
    e.data.polylines = data.polylines;
    e.data.legend.visible = false;
    e.legend.legend = data.legend;
    e.legendView.toggles = {false, false, false, false, false, false};

    const double k = layout.unitsPerWorld * kPlanUnitsPerSheetUnit;
    const int width = layout.frame.width() * kPlanUnitsPerSheetUnit;
    const int height = layout.frame.height() * kPlanUnitsPerSheetUnit;
    const double midX = width / 2.0, midY = height / 2.0;
    e.data.screen.reserve(data.points.size());
    for (const PointRecord& p : data.points) {
        const WorldPos w = worldPosition(p, data.mode);
        e.data.screen.push_back(
            {midX + (w.x - layout.centre.x) * k, midY - (w.y - layout.centre.y) * k});
    }

    e.view.width = width;
    e.view.height = height;
    e.view.toggles = current.toggles;
    e.view.toggles.showNorthArrow = false;
    e.view.labelHeight = planUnitsOfPixels(current.labelHeight);
    return e;
}

RedrawResult drawExhibit(const ExhibitLayout& layout, ExhibitPlan& exhibit,
                         ExhibitCanvases& canvases) {
    canvases.sheet().fillRect(0, 0, layout.sheet.width, layout.sheet.height, kWhite);
    RedrawResult result = redrawPlan(exhibit.data, exhibit.view, canvases.plan());
    if (exhibit.legend.legend.visible)
        redrawPlan(exhibit.legend, exhibit.legendView, canvases.legend());
    drawExhibitSheet(layout, canvases.sheet());
    return result;
}

} // namespace zorvane
