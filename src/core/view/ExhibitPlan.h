#pragma once
// The plan part of an exhibit: the case's points placed at the exhibit's scale in a surface the
// size of the frame, in plan units, drawn by the same renderer as the screen's plan. Label
// heights are scaled by kPlanUnitsPerPixel so the paper keeps the screen's proportions. The
// legend, placed and spaced in whole pixels, is drawn by the same renderer in a pass of its own
// on a surface of screen pixels 0.25 mm wide, so that it keeps its margins too. The sheet draws
// its own north arrow, so the plan's is left out.
#include "model/CaseData.h"
#include "view/Canvas.h"
#include "view/ExhibitLayout.h"
#include "view/PlanRenderer.h"
#include "view/PlanView.h"

namespace zorvane {

struct ExhibitPlan {
    CaseData data; // points, polylines and units; no legend, no images
    PlanView view;
    CaseData legend;     // the legend alone, in screen pixels
    PlanView legendView; // a surface of no size with nothing switched on: only the legend shows
};

// `current` gives the display toggles and the label height the plan is shown with.
ExhibitPlan makeExhibitPlan(const CaseData& data, const PlanView& current,
                            const ExhibitLayout& layout);

// A length in screen pixels as plan units, kept within 32 bits.
std::int32_t planUnitsOfPixels(std::int32_t pixels);

// The drawing surfaces of an exhibit: the whole sheet in sheet units; the plan's frame in plan
// units and, for the legend, in screen pixels of kPlanUnitsPerPixel plan units, both with their
// origin at the frame's top-left and drawing nothing outside it. A canvas asked for is used
// until another one is asked for.
class ExhibitCanvases {
  public:
    virtual ~ExhibitCanvases() = default;
    virtual Canvas& sheet() = 0;
    virtual Canvas& plan() = 0;
    virtual Canvas& legend() = 0;
};

// The whole exhibit: the paper cleared, the plan in its frame, then the border, the title block
// and the north arrow over the frame's edges. Returns what the plan's drawing pass reported.
RedrawResult drawExhibit(const ExhibitLayout& layout, ExhibitPlan& exhibit,
                         ExhibitCanvases& canvases);

} // namespace zorvane
