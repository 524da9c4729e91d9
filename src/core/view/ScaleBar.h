#pragma once
// The scale bar of an exhibit: a round length of the case's unit (1, 2 or 5 times a power of
// ten) cut into equal segments, with the length at each boundary written under it.
#include <cstdint>
#include <string>
#include <vector>

namespace zorvane {

struct ScaleBar {
    double worldLength = 0;          // in the case's unit
    int segments = 0;                // 0: no bar fits
    double segmentUnits = 0;         // sheet units per segment
    std::vector<int> labelled;       // the boundaries (0..segments) that carry their length
    std::vector<std::string> labels; // one per labelled boundary
    std::string unitName;            // "Meter", "Feet", ...

    double lengthUnits() const { return segmentUnits * segments; }
};

// The longest round bar that fits in `maxUnits` sheet units at `unitsPerWorld` sheet units per
// stored length unit. Numbers are written with `separator`.
ScaleBar chooseScaleBar(double unitsPerWorld, int maxUnits, std::int32_t unit, char separator);

// The unit the bar's numbers are in: Meter, Centimeter, Millimeter, Feet or Inches.
std::string scaleBarUnitName(std::int32_t unit);

} // namespace zorvane
