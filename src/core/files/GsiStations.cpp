#include "files/GsiStations.h"

namespace zorvane {
namespace {

bool samePlace(const GsiStation& a, const GsiStation& b) {
    return a.id == b.id && a.easting == b.easting && a.northing == b.northing &&
           a.height == b.height;
}

} // namespace

void GsiStations::apply(const GsiBlock& block) {
    if (block.reflectorHeight) reflectorHeight_ = *block.reflectorHeight;
    if (!block.hasStationWords()) return;
    const bool place = block.stationEasting || block.stationNorthing || block.stationHeight;
    if (!place && (block.hasTargetWords() || !block.pointId)) {
        // Only the instrument height: the instrument was measured again where it stands.
        current_.instrumentHeight = *block.instrumentHeight;
        return;
    }
    GsiStation setup;
    // In a block that also holds a target, the identifier is the target's.
    if (!block.hasTargetWords()) setup.id = block.pointId;
    setup.easting = block.stationEasting;
    setup.northing = block.stationNorthing;
    setup.height = block.stationHeight;
    setup.instrumentHeight = block.instrumentHeight.value_or(0);
    if (observed_ && !samePlace(setup, current_)) {
        ++index_;
        observed_ = false;
    }
    current_ = setup;
}

bool isObservation(const GsiBlock& b) {
    // A distance recorded with a minus sign measured nothing.
    const bool horizontal = b.horizontalDistance && *b.horizontalDistance >= 0;
    const bool slope = b.slopeDistance && *b.slopeDistance >= 0 && b.verticalAngle;
    return b.horizontalAngle && (horizontal || slope);
}

} // namespace zorvane
