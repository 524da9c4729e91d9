#pragma once
// Integer fields (point numbers, list entries): blanks around the digits are allowed, a sign
// in front, nothing else, and the value must fit in 32 bits.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

std::optional<std::int32_t> parseInteger(std::string_view text);

// The standard message for a text that is not an integer: '12a' is not a valid integer value
std::string invalidIntegerMessage(std::string_view text);

} // namespace zorvane
