#include "model/PointList.h"

#include "text/Cp1252.h"

#include <charconv>
#include <optional>

namespace zorvane {

InvalidIntegerError::InvalidIntegerError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value"), text_(text) {}

PointListTooLongError::PointListTooLongError()
    : std::runtime_error("The points list names more than " + std::to_string(kMaxPointListEntries) +
                         " points.") {}

namespace {

// Leading blanks, an optional sign, decimal digits, a 32-bit value; nothing may follow.
std::optional<std::int32_t> readInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i == s.size()) return std::nullopt;
    std::uint32_t magnitude = 0;
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    const auto [end, ec] = std::from_chars(first, last, magnitude);
    if (ec != std::errc() || end != last) return std::nullopt;
    if (negative) {
        if (magnitude > 0x80000000u) return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > 0x7FFFFFFFu) return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

std::int32_t requireInteger(std::string_view s) {
    if (const auto v = readInteger(s)) return *v;
    throw InvalidIntegerError(s);
}

} // namespace

std::vector<PointListPart> pointListParts(std::string_view text) {
    std::vector<PointListPart> parts;
    std::uint64_t entries = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size(); // the appended ","
        const std::string_view part = trimmed(text.substr(start, comma - start));
        start = comma + 1;
        if (part.empty()) continue;
        PointListPart p;
        if (const std::size_t dash = part.find('-'); dash == std::string_view::npos) {
            p.entry = part;
        } else {
            const std::int32_t a = requireInteger(part.substr(0, dash));
            const std::int32_t b = requireInteger(part.substr(dash + 1));
            p.range = true;
            p.low = a < b ? a : b;
            p.high = a < b ? b : a;
        }
        entries += p.entries();
        if (entries > kMaxPointListEntries) throw PointListTooLongError();
        parts.push_back(p);
    }
    return parts;
}

std::int32_t pointListEntryValue(std::string_view entry) {
    return requireInteger(entry);
}

bool readPointListEntry(std::string_view entry, std::int32_t& value) {
    const auto v = readInteger(entry);
    if (v) value = *v;
    return v.has_value();
}

std::vector<std::string> parsePointList(std::string_view text) {
    std::vector<std::string> entries;
    for (const PointListPart& p : pointListParts(text)) {
        if (!p.range) entries.emplace_back(p.entry);
        for (std::int64_t n = p.low; p.range && n <= p.high; ++n)
            entries.push_back(std::to_string(n));
    }
    return entries;
}

std::vector<std::int32_t> parsePointNumbers(std::string_view text) {
    std::vector<std::int32_t> numbers;
    for (const PointListPart& p : pointListParts(text)) {
        if (!p.range) numbers.push_back(requireInteger(p.entry));
        for (std::int64_t n = p.low; p.range && n <= p.high; ++n)
            numbers.push_back(static_cast<std::int32_t>(n));
    }
    return numbers;
}

} // namespace zorvane
