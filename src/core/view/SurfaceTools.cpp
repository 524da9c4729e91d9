#include "view/SurfaceTools.h"

namespace zorvane {

SurfacePress SurfaceTools::press(SurfaceButton button, bool ctrl, WorldPos at) {
    if (legendPending_) {
        legendPending_ = false;
        return {SurfaceAction::PlaceLegend};
    }
    if (northArrowPending_) {
        northArrowPending_ = false;
        return {SurfaceAction::PlaceNorthArrow};
    }
    if (ctrl) return measure(button, at);
    switch (button) {
    case SurfaceButton::Left:
        return {SurfaceAction::ZoomIn};
    case SurfaceButton::Right:
        return {SurfaceAction::ZoomOut};
    case SurfaceButton::Middle:
        if (panning_) return {};
        panning_ = true;
        return {SurfaceAction::StartPan};
    case SurfaceButton::Other:
        break;
    }
    return {};
}

SurfacePress SurfaceTools::measure(SurfaceButton button, WorldPos at) {
    if (!measuring_) {
        measuring_ = true;
        from_ = at;
        return {SurfaceAction::MeasureFrom};
    }
    measuring_ = false;
    return {SurfaceAction::MeasureTo, from_, at, button == SurfaceButton::Left};
}

bool SurfaceTools::release(SurfaceButton button) {
    if (button != SurfaceButton::Middle || !panning_) return false;
    panning_ = false;
    return true;
}

std::string SurfaceTools::hint() const {
    if (legendPending_) return "Click Legend position";
    if (northArrowPending_) return "Click North Arrow position";
    if (measuring_) return "Click second point for Distance";
    return {};
}

} // namespace zorvane
