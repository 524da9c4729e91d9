#include "text/IntegerText.h"

#include "text/Cp1252.h"

#include <charconv>

namespace zorvane {

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::string_view t = trimmed(text);
    if (!t.empty() && t.front() == '+') {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '-') return std::nullopt;
    }
    if (t.empty()) return std::nullopt;
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return value;
}

std::string invalidIntegerMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

} // namespace zorvane
