#pragma once
// What the colour chooser hands back: a drawing colour number from 1 to 255, its name and the
// colour it is shown in (0x00BBGGRR).
#include <cstdint>
#include <string>

namespace zorvane {

struct ColourChoice {
    int number = 0;
    std::string name;
    std::uint32_t colour = 0;

    friend bool operator==(const ColourChoice&, const ColourChoice&) = default;
};

} // namespace zorvane
