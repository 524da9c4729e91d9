#pragma once
#include "model/ChunkedTable.h"
#include "model/PointRecord.h"
#include "model/ShortString.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zorvane {

// A named polyline or arc over point numbers. A name starting with "a"/"A" makes an arc.
// The two reserved integers of the stored layout are always written as zero.
struct PolylineRecord {
    ShortString<10> name;
    ShortString<50> description;
    std::int32_t colourIndex = 6; // black
    std::int32_t widthIndex = 0;
    ShortString<255> pointsText;

    friend bool operator==(const PolylineRecord&, const PolylineRecord&) = default;
};

using PolylineTable = ChunkedTable<PolylineRecord, 128>;

struct PolylineColour {
    std::string_view text;
    Colour screen;
};
inline constexpr std::array<PolylineColour, 8> kPolylineColours = {{
    {"Red", 0x0000FF},
    {"Yellow", 0x00FFFF},
    {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},
    {"Blue", 0xFF0000},
    {"Magenta", 0xFF00FF},
    {"black", 0x000000},
    {"Grey", 0x808080},
}};
inline constexpr std::array<std::string_view, 5> kPolylineWidths = {
    "0 unit", "0.1 units", "0.2 units", "0.3 units", "0.4 units"};
inline constexpr std::int32_t kDefaultPolylineColourIndex = 6;

// Screen colour of a colour index; out-of-range indexes (damaged files) draw black.
inline Colour polylineScreenColour(std::int32_t index) {
    return index >= 0 && index < static_cast<std::int32_t>(kPolylineColours.size())
               ? kPolylineColours[index].screen
               : 0;
}

inline bool isArcName(std::string_view name) {
    return !name.empty() && (name[0] == 'a' || name[0] == 'A');
}

} // namespace zorvane
