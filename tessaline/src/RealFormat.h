#pragma once
#include <cstddef>

namespace tessaline {

// Bytes formatReal may touch at `out`. The text itself is at most 24 characters (sign,
// 15 digits, point, "E-" and a four-digit exponent); the rest lets it copy in fixed-size
// blocks.
inline constexpr std::size_t kRealRoom = 48;

// Writes v in the general format that CAD programs read: at most 15 significant digits,
// no trailing zeros, a period as separator; fixed notation for 1E-4 <= |v| < 1E15, else
// "1.5E-7" / "2.5E20". Zero of either sign is "0". Returns the end of the text, or nullptr
// (nothing written) when v is NaN or infinite.
// The double form remembers the values it wrote last, with their texts, and so is not
// reentrant: like the writer it serves, it belongs to one thread.
char* formatReal(char* out, double v) noexcept;
char* formatReal(char* out, long double v) noexcept;

} // namespace tessaline
