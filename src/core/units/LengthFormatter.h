#pragma once
// Length texts in the case's unit: fixed decimals, or feet and inches with sixteenths.
#include "model/UnitSettings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// Fixed-point, `decimals` digits after `separator`, at most 14 significant digits, halves away
// from zero, no thousands separator. A value that shows as zero never carries a minus sign.
// Halves are judged on the shortest decimal that reads back as the value (2.675 -> 2.68), the
// decimal the user typed. A damaged value (nan, inf) shows as such rather than as a number.
std::string formatFixed(double value, int decimals, char separator);
// The same text appended to `out`, or written at `out` (room for kMaxFixedText characters)
// returning its end, for writers of many numbers.
void appendFixed(std::string& out, double value, int decimals, char separator);
char* writeFixed(char* out, double value, int decimals, char separator);

// Decimals beyond any setting are cut to this; it keeps the text bounded.
inline constexpr int kMaxFixedDecimals = 20;
// The longest fixed-point text: a sign, the 309 digits of the largest double, the separator
// and kMaxFixedDecimals decimals.
inline constexpr std::size_t kMaxFixedText = 1 + 309 + 1 + kMaxFixedDecimals;

// 5.2917 -> 5' 3 1/2"  (sixteenths, halves to even, 16/16 and 12-inch carries, sign in front;
// like formatFixed, a value that shows as 0' 0" has no sign)
std::string formatFeetInches(double feet);

// Feet & Inches form in unit 5, else formatFixed with the settings' decimals.
std::string formatLength(double value, const UnitSettings& units, char separator);

// A decimal number as the user's locale writes it (separator given; spaces around allowed,
// exponent allowed). No value when the text is not a number.
std::optional<double> parseDecimal(std::string_view text, char separator);

// What leaving an entry field does to its text.
enum class FieldKind {
    Length,     // coordinates and lengths: unit 5 parses feet-inches
    Height,     // Z, measured height, elevation: like Length, and empty shows 0' 0" in unit 5
    Bearing,    // always decimal
    NeswOffset, // North, East, South: unreadable becomes "0.00"
    NeswWest,   // West: unreadable becomes "0.0"
    Number,     // point numbers: rounded to an integer, unreadable becomes "0"
};
std::string normaliseField(std::string_view text, FieldKind kind, const UnitSettings& units,
                           char separator);
// What an unreadable NESW offset becomes in a decimal unit ("0.00", West "0.0"); empty for
// the other kinds.
std::string zeroText(FieldKind kind, char separator);

} // namespace zorvane
