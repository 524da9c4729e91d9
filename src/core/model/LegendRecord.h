#pragma once
#include "model/PointRecord.h"
#include "model/ShortString.h"

#include <array>
#include <cstdint>

namespace zorvane {

enum FontStyleBits : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

// The legend block of the plan: up to ten lines with one font, a position and a frame.
// fontHeight is signed: negative is a character height, positive a cell height (pixels).
struct LegendRecord {
    std::array<ShortString<50>, 10> lines{};
    ShortString<50> fontName{"MS Sans Serif"};
    std::int32_t fontHeight = -11;
    std::uint8_t fontStyle = 0;
    Colour fontColour = 0;
    std::int32_t left = 30;
    std::int32_t top = 10;
    bool boxed = true;
    bool visible = false;

    friend bool operator==(const LegendRecord&, const LegendRecord&) = default;
};

} // namespace zorvane
