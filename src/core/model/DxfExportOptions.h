#pragma once
// What the DXF export writes, on which layers, in which colours and text heights, and 2D or
// 3D. Stored whole as qkrdxfop.ini beside the program (see files/DxfOptionsFile.h).
#include "model/ShortString.h"

#include <cstdint>

namespace zorvane {

struct DxfExportOptions {
    bool exportPoints = true;
    ShortString<31> pointLayer{"POINTS"};
    std::int32_t pointColour = 7; // DXF colour number, 1 to 255
    bool points3D = true;         // false: z = 0
    ShortString<10> pointColourName{"White"};

    bool exportNumbers = true;
    ShortString<31> numberLayer{"NUMBERS"};
    std::int32_t numberColour = 2;
    double numberHeight = 0.25; // drawing units: a quarter metre reads well on a site plan
    ShortString<10> numberColourName{"Yellow"};

    bool exportDescriptors = true;
    ShortString<31> descriptorLayer{"DESCRIPTIONS"};
    std::int32_t descriptorColour = 4;
    double descriptorHeight = 0.25;
    ShortString<10> descriptorColourName{"Cyan"};

    bool exportPolylines = true;
    ShortString<31> polylineLayer{"POLYLINES"};
    std::int32_t polylineColour = 1; // the entities carry their own colours
    bool polylines3D = false;        // 2D keeps arcs as arcs (bulges)
    ShortString<10> polylineColourName{"Red"};

    friend bool operator==(const DxfExportOptions&, const DxfExportOptions&) = default;
};

} // namespace zorvane
