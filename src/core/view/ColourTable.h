#pragma once
// The colour chooser's table of drawing colour numbers 0 to 255: a name and a display colour
// each. Numbers 1 to 7 are the pure colours, 8 and 9 and everything from 10 on take the
// desktop's workspace and button-face colours, which only the window system knows.
#include "app/ColourChoice.h"
#include "model/PointRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr int kFirstColourNumber = 1;
inline constexpr int kLastColourNumber = 255;
// The chooser's panels, left to right: numbers 1 (Red) to 9 (Light Grey).
inline constexpr int kColourPanels = 9;

struct DesktopColours {
    Colour workspace = 0xABABAB;  // "Grey"
    Colour buttonFace = 0xF0F0F0; // "Light Grey" and "Color 10" onwards
};

// "Red" ... "Light Grey", "Color 42"; empty for 0 and for numbers outside the table.
std::string colourName(int number);
// The display colour; numbers outside the table show as 0 does, red.
Colour colourOf(int number, const DesktopColours& desktop);
ColourChoice colourChoice(int number, const DesktopColours& desktop);

// The chooser's number field: an integer from 1 to 255, blanks around it allowed.
std::optional<int> parseColourNumber(std::string_view text);

} // namespace zorvane
