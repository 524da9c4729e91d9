#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace zorvane {

// Display units of a case. Stored lengths are numbers in the current unit; Feet & Inches
// stores feet.
enum Unit : std::int32_t {
    kMeter = 0,
    kCentimeter = 1,
    kMillimeter = 2,
    kDecimalFeet = 3,
    kInches = 4,
    kFeetInches = 5,
};
inline constexpr int kUnitCount = 6;
inline constexpr int kMaxDecimals = 4;

struct UnitSettings {
    std::int32_t unit = kMeter;
    std::int32_t decimals = 2;

    bool feetInches() const { return unit == kFeetInches; }
    friend bool operator==(const UnitSettings&, const UnitSettings&) = default;
};

// "Feet & Inches" in the Drawing Settings list, "Feet and Inches" in the status bar.
inline constexpr std::array<std::string_view, kUnitCount> kUnitDialogNames = {
    "Meter", "Centimeter", "Millimeter", "Decimal Feet", "Inches", "Feet & Inches"};
inline constexpr std::array<std::string_view, kUnitCount> kUnitStatusNames = {
    "Meter", "Centimeter", "Millimeter", "Decimal Feet", "Inches", "Feet and Inches"};

// Unit indexes read from files are clamped so a damaged value never indexes past the tables.
inline std::int32_t clampUnit(std::int32_t u) {
    return u < 0 || u >= kUnitCount ? kMeter : u;
}
inline std::int32_t clampDecimals(std::int32_t d) {
    return d < 0 ? 0 : d > kMaxDecimals ? kMaxDecimals : d;
}

inline std::string_view unitStatusName(std::int32_t u) {
    return kUnitStatusNames[clampUnit(u)];
}
inline std::string_view unitDialogName(std::int32_t u) {
    return kUnitDialogNames[clampUnit(u)];
}

} // namespace zorvane
