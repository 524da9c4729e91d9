#include "view/ColourTable.h"

#include "text/IntegerText.h"

#include <array>

namespace zorvane {
namespace {

struct Named {
    const char* name;
    Colour colour;
};

// 0 has no name but shows red, as the first panel does.
constexpr std::array<Named, 8> kPure{{{"", 0x0000FF},
                                      {"Red", 0x0000FF},
                                      {"Yellow", 0x00FFFF},
                                      {"Green", 0x00FF00},
                                      {"Cyan", 0xFFFF00},
                                      {"Blue", 0xFF0000},
                                      {"Magenta", 0xFF00FF},
                                      {"White", 0xFFFFFF}}};

bool inTable(int number) {
    return number >= 0 && number <= kLastColourNumber;
}

} // namespace

std::string colourName(int number) {
    if (!inTable(number)) return {};
    if (number < static_cast<int>(kPure.size())) return kPure[std::size_t(number)].name;
    if (number == 8) return "Grey";
    if (number == 9) return "Light Grey";
    return "Color " + std::to_string(number);
}

Colour colourOf(int number, const DesktopColours& desktop) {
    if (!inTable(number)) return kPure[0].colour;
    if (number < static_cast<int>(kPure.size())) return kPure[std::size_t(number)].colour;
    return number == 8 ? desktop.workspace : desktop.buttonFace;
}

ColourChoice colourChoice(int number, const DesktopColours& desktop) {
    return {number, colourName(number), colourOf(number, desktop)};
}

std::optional<int> parseColourNumber(std::string_view text) {
    const auto n = parseInteger(text);
    if (!n || *n < kFirstColourNumber || *n > kLastColourNumber) return std::nullopt;
    return *n;
}

} // namespace zorvane
