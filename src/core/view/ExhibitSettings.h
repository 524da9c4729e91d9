#pragma once
// What a court exhibit is made of: the plan at a fixed scale 1:N on a sheet of paper. Lengths
// on the sheet are whole tenths of a millimetre ("sheet units"). The plan in its frame is drawn
// by the screen's renderer, whose pixels are whole numbers, at twice that resolution ("plan
// units", 0.05 mm): a point lands within 0.036 mm of its true place, so a distance measured on
// the paper is within 0.071 mm of the world distance divided by the scale.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

enum class Paper { A4, A3, Letter };
enum class Orientation { Portrait, Landscape };

inline constexpr int kSheetUnitsPerMm = 10;
inline constexpr int kPlanUnitsPerSheetUnit = 2;
// A pixel of the plan on screen is this many plan units on paper (0.25 mm): label heights and
// the legend keep the proportions the screen shows.
inline constexpr double kPlanUnitsPerPixel = 5;

// The scales offered first; any whole N from 1 to kMaxScale may be chosen.
inline constexpr std::array<std::int32_t, 6> kStandardScales = {50, 100, 200, 250, 500, 1000};
inline constexpr std::int32_t kMaxScale = 10'000'000;

struct ExhibitSettings {
    std::int32_t scale = 200; // the N of 1:N
    Paper paper = Paper::A4;
    Orientation orientation = Orientation::Landscape;
    char decimalSeparator = '.'; // of the scale bar's numbers
};

struct SheetSize {
    int width = 0, height = 0; // sheet units
    friend bool operator==(const SheetSize&, const SheetSize&) = default;
};

SheetSize sheetSize(Paper paper, Orientation orientation);

// "A4", "A3", "Letter"; parsePaper reads these in any letter case.
std::string_view paperName(Paper paper);
std::optional<Paper> parsePaper(std::string_view text);
// "portrait", "landscape" in any letter case.
std::string_view orientationName(Orientation orientation);
std::optional<Orientation> parseOrientation(std::string_view text);

// "1:200", "1 : 200" or "200": the N, from 1 to kMaxScale; nothing for anything else.
std::optional<std::int32_t> parseScale(std::string_view text);
// "1:200"
std::string scaleText(std::int32_t scale);

// Millimetres in one stored length unit of a case (Feet & Inches stores feet).
double millimetresPerUnit(std::int32_t unit);

} // namespace zorvane
