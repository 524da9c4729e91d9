#include "text/MaskedText.h"

#include <vector>

namespace zorvane {
namespace {

struct Group {
    std::size_t width = 0;
    char separator = 0; // after the group; 0 for the last
};

std::vector<Group> groupsOf(std::string_view layout) {
    std::vector<Group> groups(1);
    for (char c : layout) {
        if (c == '9') {
            ++groups.back().width;
        } else {
            groups.back().separator = c;
            groups.emplace_back();
        }
    }
    return groups;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace

std::string alignToMask(std::string_view text, std::string_view layout) {
    std::string out;
    out.reserve(layout.size());
    std::string_view rest = text;
    for (const Group& g : groupsOf(layout)) {
        const std::size_t end = g.separator ? rest.find(g.separator) : rest.size();
        if (end == std::string_view::npos) return std::string(text);
        const std::string_view digits = trimBlanks(rest.substr(0, end));
        if (digits.size() > g.width || !allDigits(digits)) return std::string(text);
        out.append(g.width - digits.size(), ' ').append(digits);
        if (g.separator) {
            out += g.separator;
            rest.remove_prefix(end + 1);
        }
    }
    return out;
}

} // namespace zorvane
