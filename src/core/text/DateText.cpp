#include "text/DateText.h"

#include <algorithm>
#include <cstdio>

namespace zorvane {
namespace {

struct FieldOrder {
    std::size_t day = std::string_view::npos;
    std::size_t month = std::string_view::npos;
    std::size_t year = std::string_view::npos;
};

// Where the day, month and year first appear in the pattern, outside quoted text.
FieldOrder fieldOrder(std::string_view pattern) {
    FieldOrder f;
    bool quoted = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\'') quoted = !quoted;
        if (quoted) continue;
        if (c == 'd' && f.day == std::string_view::npos) f.day = i;
        if (c == 'M' && f.month == std::string_view::npos) f.month = i;
        if (c == 'y' && f.year == std::string_view::npos) f.year = i;
    }
    return f;
}

bool monthFirst(std::string_view pattern) {
    const FieldOrder f = fieldOrder(pattern);
    const bool yearFirst = f.year < f.day && f.year < f.month;
    return !yearFirst && f.month < f.day;
}

} // namespace

std::string shortDateText(std::string_view shortFormat, int year, int month, int day) {
    day = std::clamp(day, 0, 99);
    month = std::clamp(month, 0, 99);
    year = std::clamp(year, 0, 9999);
    const bool mdy = monthFirst(shortFormat);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", mdy ? month : day, mdy ? day : month, year);
    return text;
}

} // namespace zorvane
