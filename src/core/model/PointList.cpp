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

// Walks the grammar: onEntry(text) for a plain part, onRange(low, high) for a range, with
// the entry budget checked before anything is expanded.
template <class OnEntry, class OnRange>
void walkPointList(std::string_view text, OnEntry onEntry, OnRange onRange) {
    std::size_t count = 0;
    auto spend = [&count](std::uint64_t n) {
        if (n > kMaxPointListEntries - count) throw PointListTooLongError();
        count += static_cast<std::size_t>(n);
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size(); // the appended ","
        const std::string_view part = trimmed(text.substr(start, comma - start));
        start = comma + 1;
        if (part.empty()) continue;
        const std::size_t dash = part.find('-');
        if (dash == std::string_view::npos) {
            spend(1);
            onEntry(part);
            continue;
        }
        const std::int32_t p = requireInteger(part.substr(0, dash));
        const std::int32_t q = requireInteger(part.substr(dash + 1));
        const std::int32_t low = p < q ? p : q;
        const std::int32_t high = p < q ? q : p;
        spend(static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1);
        onRange(low, high);
    }
}

} // namespace

std::int32_t pointListEntryValue(std::string_view entry) {
    return requireInteger(entry);
}

std::vector<std::string> parsePointList(std::string_view text) {
    std::vector<std::string> entries;
    walkPointList(
        text, [&](std::string_view part) { entries.emplace_back(part); },
        [&](std::int32_t low, std::int32_t high) {
            for (std::int64_t n = low; n <= high; ++n) entries.push_back(std::to_string(n));
        });
    return entries;
}

std::vector<std::int32_t> parsePointNumbers(std::string_view text) {
    std::vector<std::int32_t> numbers;
    std::optional<std::string> badEntry;
    walkPointList(
        text,
        [&](std::string_view part) {
            if (const auto v = readInteger(part))
                numbers.push_back(*v);
            else if (!badEntry)
                badEntry = std::string(part);
        },
        [&](std::int32_t low, std::int32_t high) {
            for (std::int64_t n = low; n <= high; ++n)
                numbers.push_back(static_cast<std::int32_t>(n));
        });
    if (badEntry) throw InvalidIntegerError(*badEntry);
    return numbers;
}

} // namespace zorvane
