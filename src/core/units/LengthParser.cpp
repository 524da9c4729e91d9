#include "units/LengthParser.h"

#include "text/Cp1252.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// The reading is defined recursively (a + b is read as parseLength(a) + parseLength(b), and each
// nested reading turns two more commas into spaces). It is evaluated here with loops over the
// sums and differences, so the nesting depth stays fixed and the time stays linear however
// many signs a text holds.

namespace zorvane {
namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Turns up to `count` commas at or after `from` into spaces; returns where unreplaced commas may
// still start (the end of the text when none are left).
std::size_t spaceCommas(std::string& s, std::size_t from, int count) {
    while (count-- > 0) {
        const std::size_t p = s.find(',', from);
        if (p == std::string::npos) return s.size();
        s[p] = ' ';
        from = p + 1;
    }
    return from;
}

void collapseSpaces(std::string& s) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] != ' ' || out == 0 || s[out - 1] != ' ') s[out++] = s[i];
    s.resize(out);
}

// Steps 1 to 4 of a reading: trim, two commas to spaces, runs of spaces to one.
// False when nothing is left to read.
bool normalise(std::string& s) {
    const std::string_view t = trimmed(s);
    if (t.empty()) return false;
    s = std::string(t);
    spaceCommas(s, 0, 2);
    collapseSpaces(s);
    return true;
}

double readNormalised(std::string& s);

double readCall(std::string_view text) {
    std::string s(text);
    if (!normalise(s)) return 0;
    return readNormalised(s);
}

// A normalised text with no "+" and no "-": feet mark, space, inch mark, fraction, number.
double readTerm(std::string_view t) {
    if (auto p = t.find('\''); p != std::string_view::npos)
        return readNumber(t.substr(0, p)) + parseInches(t.substr(p + 1));
    if (auto p = t.find(' '); p != std::string_view::npos)
        return readNumber(t.substr(0, p)) + parseInches(t.substr(p + 1));
    if (auto p = t.find('"'); p != std::string_view::npos) return parseInches(t.substr(0, p));
    if (t.find('/') != std::string_view::npos) return parseFraction(t);
    return readNumber(t);
}

// A normalised text holding `sep`: t0 sep t1 sep t2 ... Every piece but the last is a reading of
// its own; the rest after each sign is a reading too, which turns two more commas into spaces.
// Differences subtract left to right (12-3-1 is 8). Sums add from the right, a + (b + c), as
// the recursive reading does: the order decides the last bit of a sum of three readings, and
// so the sixteenth it shows.
double readChain(std::string& s, char sep) {
    double acc = 0;
    std::vector<double> terms; // of a sum, added once all are read
    std::size_t pos = 0;
    std::size_t commaFrom = 0; // the normalisation of `s` replaced its first two already
    std::size_t restEnd = s.size();
    for (bool first = true;; first = false) {
        // The rest is trimmed before its commas turn into spaces: a comma in front stays a
        // space in front (",5" is five inches). Its end only moves left, so it is kept.
        std::size_t restBegin = pos;
        if (!first) {
            while (restBegin < restEnd && isBlank(s[restBegin])) ++restBegin;
            while (restEnd > restBegin && isBlank(s[restEnd - 1])) --restEnd;
            commaFrom = spaceCommas(s, pos > commaFrom ? pos : commaFrom, 2);
        }
        const std::size_t p = s.find(sep, pos);
        double v;
        if (p == std::string::npos) {
            std::string last = s.substr(restBegin, restEnd - restBegin);
            collapseSpaces(last);
            v = last.empty() ? 0.0 : readNormalised(last);
        } else {
            v = readCall(std::string_view(s).substr(pos, p - pos));
        }
        if (sep == '+')
            terms.push_back(v);
        else
            acc = first ? v : acc - v;
        if (p == std::string::npos) break;
        pos = p + 1;
    }
    if (sep == '-') return acc;
    acc = terms.back();
    for (std::size_t k = terms.size() - 1; k-- > 0;) acc = terms[k] + acc;
    return acc;
}

double readNormalised(std::string& s) {
    if (s.find('+') != std::string::npos) return readChain(s, '+');
    if (s.find('-') != std::string::npos) return readChain(s, '-');
    return readTerm(s);
}

} // namespace

double parseLength(std::string_view text) {
    const double feet = readCall(text);
    // Sums of huge numbers can overflow; a length is always a finite number.
    return std::isfinite(feet) ? feet : 0.0;
}

double readNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && isDigit(text[i]); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    double value = 0;
    const auto r =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    // A number beyond the range of a double is not a length anyone measured.
    if (r.ec != std::errc()) return 0;
    return negative ? -value : value;
}

int readInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Saturates, and stops reading once saturated, so a long run of digits costs little.
    constexpr std::int64_t limit = static_cast<std::int64_t>(INT_MAX) + 1;
    std::int64_t v = 0;
    for (; i < text.size() && isDigit(text[i]) && v < limit; ++i) v = v * 10 + (text[i] - '0');
    if (negative) return v >= limit ? INT_MIN : static_cast<int>(-v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

double parseInches(std::string_view text) {
    std::string_view t = trimmed(text);
    while (!t.empty() && t.back() == '"') t.remove_suffix(1);
    if (auto p = t.find(' '); p != std::string_view::npos)
        return parseInches(t.substr(0, p)) + parseFraction(t.substr(p + 1));
    if (t.find('/') != std::string_view::npos) return parseFraction(t);
    return readNumber(t) / 12;
}

double parseFraction(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return 0;
    const std::string_view num = text.substr(0, slash);
    const int d = readInt(text.substr(slash + 1));
    // Whole inches typed in front of the fraction without a space (31/2 is 3 1/2): digits move
    // from the numerator to the whole part until the fraction is proper. `whole` is the first
    // `k` characters of the numerator.
    std::size_t k = 0;
    int n;
    for (;;) {
        const std::string_view rest = num.substr(k);
        n = readInt(rest);
        if (rest.size() <= 1 || d >= n) break; // an empty numerator ends it as well
        ++k;
        while (k < num.size() && num[k] == '0') ++k;
    }
    const double wholeFeet = k > 0 ? parseInches(num.substr(0, k)) : 0.0;
    if (d == 0) return wholeFeet;
    return wholeFeet + (static_cast<double>(n) / d) / 12;
}

} // namespace zorvane
