#include "units/LengthFormatter.h"

#include "text/Cp1252.h"

#include "units/LengthParser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace zorvane {
namespace {

constexpr int kSignificantDigits = 14;

// A decimal digit string d0 d1 d2 ... standing for d0.d1d2... x 10^exponent.
struct Digits {
    std::array<char, 24> d{};
    int count = 0;
    int exponent = 0;
};

// Keeps the first `keep` digits, a dropped half or more going away from zero.
void roundAt(Digits& x, int keep) {
    if (keep >= x.count) return;
    if (keep < 0) {
        x.count = 0; // every digit, and the zeros in front of them, dropped
        return;
    }
    const bool up = x.d[static_cast<std::size_t>(keep)] >= '5';
    x.count = keep;
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && x.d[static_cast<std::size_t>(i)] == '9'; --i) --x.count; // 99.5 -> 100
    if (i >= 0) {
        ++x.d[static_cast<std::size_t>(i)];
    } else {
        x.d[0] = '1';
        x.count = 1;
        ++x.exponent;
    }
}

// The shortest text that reads back as the same double: the decimal the user typed, without
// the binary noise that would round 2.675 down.
Digits shortestDigits(double magnitude) {
    Digits x;
    if (magnitude == 0) return x;
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p != '.') x.d[static_cast<std::size_t>(x.count++)] = *p;
    const bool negativeExponent = p[1] == '-';
    for (p += 2; p < r.ptr; ++p) x.exponent = x.exponent * 10 + (*p - '0');
    if (negativeExponent) x.exponent = -x.exponent;
    while (x.count > 0 && x.d[static_cast<std::size_t>(x.count - 1)] == '0') --x.count;
    return x;
}

char digitAt(const Digits& x, int power) {
    const int i = x.exponent - power;
    return i >= 0 && i < x.count ? x.d[static_cast<std::size_t>(i)] : '0';
}

std::string nonFinite(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

// Halves to the even neighbour, whatever the floating-point rounding mode.
double roundHalfEven(double x) {
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

constexpr std::array<std::string_view, 16> kSixteenths = {
    "",     " 1/16", " 1/8", " 3/16",  " 1/4", " 5/16",  " 3/8", " 7/16",
    " 1/2", " 9/16", " 5/8", " 11/16", " 3/4", " 13/16", " 7/8", " 15/16"};

void appendWholeNumber(std::string& out, double whole) {
    char buf[400]; // the largest double has 309 digits
    const auto r = whole < 1e18
                       ? std::to_chars(buf, buf + sizeof buf, static_cast<std::uint64_t>(whole))
                       : std::to_chars(buf, buf + sizeof buf, whole, std::chars_format::fixed, 0);
    out.append(buf, r.ptr);
}

// The common case without decimal digit strings: a value below 10^9 with at most four
// decimals fits in 14 significant digits, so scaling and rounding the double gives the same
// text whenever the scaled value is not within reach of a half. "Within reach" covers the
// rounding of the product, the distance to the shortest decimal and the cut to 14 digits,
// together less than 1e-13 of the scaled value; anything closer goes the exact way.
// Returns the end of the text, or nothing when the value needs the exact way.
// r / 10^D, the separator and D digits of r % 10^D; a constant divisor costs no division.
template <int D> char* writeScaled(char* p, std::uint64_t r, char separator) {
    constexpr std::uint64_t unit = [] {
        std::uint64_t u = 1;
        for (int i = 0; i < D; ++i) u *= 10;
        return u;
    }();
    p = std::to_chars(p, p + 24, r / unit).ptr;
    if constexpr (D > 0) {
        *p++ = separator;
        std::uint64_t f = r % unit;
        for (int i = D - 1; i >= 0; --i) {
            p[i] = static_cast<char>('0' + f % 10);
            f /= 10;
        }
        p += D;
    }
    return p;
}

char* writeFixedQuickly(char* p, double value, int decimals, char separator) {
    static constexpr double kScale[] = {1, 10, 100, 1000, 10000};
    const double a = std::fabs(value);
    if (decimals < 0 || decimals > 4 || !(a < 1e9)) return nullptr;
    const double scaled = a * kScale[decimals];
    const auto whole = static_cast<std::uint64_t>(scaled); // below 2^44: exact, and the floor
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= scaled * 1e-13 + 1e-15) return nullptr;
    const std::uint64_t r = whole + (fraction > 0.5 ? 1 : 0);
    if (value < 0 && r > 0) *p++ = '-';
    switch (decimals) {
    case 0:
        return writeScaled<0>(p, r, separator);
    case 1:
        return writeScaled<1>(p, r, separator);
    case 2:
        return writeScaled<2>(p, r, separator);
    case 3:
        return writeScaled<3>(p, r, separator);
    default:
        return writeScaled<4>(p, r, separator);
    }
}

} // namespace

char* writeFixed(char* out, double value, int decimals, char separator) {
    if (char* end = writeFixedQuickly(out, value, decimals, separator)) return end;
    if (!std::isfinite(value)) {
        const std::string text = nonFinite(value);
        return std::copy(text.begin(), text.end(), out);
    }
    decimals = std::clamp(decimals, 0, kMaxFixedDecimals);
    Digits x = shortestDigits(std::fabs(value));
    if (x.count > 0) {
        roundAt(x, kSignificantDigits);
        roundAt(x, x.exponent + 1 + decimals);
    }
    if (value < 0 && x.count > 0) *out++ = '-'; // a value that shows as zero has no sign
    for (int power = std::max(x.count > 0 ? x.exponent : 0, 0); power >= 0; --power)
        *out++ = digitAt(x, power);
    if (decimals > 0) {
        *out++ = separator;
        for (int power = -1; power >= -decimals; --power) *out++ = digitAt(x, power);
    }
    return out;
}

void appendFixed(std::string& out, double value, int decimals, char separator) {
    char buf[kMaxFixedText];
    out.append(buf, writeFixed(buf, value, decimals, separator));
}

std::string formatFixed(double value, int decimals, char separator) {
    char buf[kMaxFixedText];
    return std::string(buf, writeFixed(buf, value, decimals, separator));
}

std::string formatFeetInches(double feet) {
    if (!std::isfinite(feet)) return nonFinite(feet);
    const double a = std::fabs(feet);
    double whole = std::floor(a);
    int inches = 0;
    int sixteenths = 0;
    // Beyond 2^52 feet a double holds no fraction, and a * 12 could overflow.
    if (a < 0x1p52) {
        const double t = a * 12 - whole * 12;
        inches = static_cast<int>(std::floor(t));
        sixteenths = static_cast<int>(roundHalfEven(16 * (t - inches)));
        if (sixteenths == 16) {
            sixteenths = 0;
            ++inches;
        }
        if (inches >= 12) {
            inches = 0;
            whole += 1;
        }
    }
    std::string out;
    out.reserve(16);
    // A value that shows as 0' 0" has no sign.
    if (feet < 0 && (whole > 0 || inches > 0 || sixteenths > 0)) out += '-';
    appendWholeNumber(out, whole);
    out += "' ";
    if (inches >= 10) out += '1';
    out += static_cast<char>('0' + inches % 10);
    out += kSixteenths[static_cast<std::size_t>(sixteenths)];
    out += '"';
    return out;
}

std::string formatLength(double value, const UnitSettings& units, char separator) {
    return units.feetInches() ? formatFeetInches(value)
                              : formatFixed(value, units.decimals, separator);
}

std::optional<double> parseDecimal(std::string_view text, char separator) {
    std::size_t i = 0, end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    // Checked here rather than left to the library, which would also take "inf" and "nan".
    std::size_t start = i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        if (!negative) start = i + 1; // the library takes a minus but not a plus
        ++i;
    }
    const auto isDigit = [&](std::size_t k) { return text[k] >= '0' && text[k] <= '9'; };
    std::uint64_t mantissa = 0; // exact while digits <= 19
    std::size_t digits = 0, decimals = 0;
    for (; i < end && isDigit(i); ++i, ++digits) mantissa = mantissa * 10 + (text[i] - '0');
    std::size_t separatorAt = std::string_view::npos;
    if (i < end && text[i] == separator) {
        separatorAt = i;
        for (++i; i < end && isDigit(i); ++i, ++digits, ++decimals)
            mantissa = mantissa * 10 + (text[i] - '0');
    }
    if (digits == 0) return std::nullopt;
    bool exponent = false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        exponent = true;
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t first = i;
        for (; i < end && isDigit(i); ++i) {
        }
        if (i == first) return std::nullopt;
    }
    if (i != end) return std::nullopt;
    // Up to 15 digits the mantissa and the power of ten are exact doubles, so one division
    // is correctly rounded: the very value the library would give, without its cost.
    static constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (!exponent && digits <= 15) {
        const double value = static_cast<double>(mantissa) / kPow10[decimals];
        return negative ? -value : value;
    }
    // The library reads a period: the text is read where it stands unless another separator
    // has to be replaced in a copy.
    std::string_view plain = text.substr(start, end - start);
    std::string copy;
    if (separatorAt != std::string_view::npos && separator != '.') {
        copy.assign(plain);
        copy[separatorAt - start] = '.';
        plain = copy;
    }
    double value = 0;
    const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (r.ec != std::errc() || r.ptr != plain.data() + plain.size())
        return std::nullopt; // beyond the range of a double
    return value;
}

std::string normaliseField(std::string_view text, FieldKind kind, const UnitSettings& units,
                           char separator) {
    if (kind == FieldKind::Number) {
        const auto v = parseDecimal(text, separator);
        return v ? formatFixed(*v, 0, separator) : std::string("0");
    }
    // An empty field stays empty, so that a missing coordinate is still seen as missing when
    // the point is created; only the optional height shows what an empty one stands for.
    if (trimmed(text).empty())
        return kind == FieldKind::Height && units.feetInches() ? formatFeetInches(0)
                                                               : std::string();
    if (kind != FieldKind::Bearing && units.feetInches())
        return formatFeetInches(parseLength(text));
    if (const auto v = parseDecimal(text, separator))
        return formatFixed(*v, units.decimals, separator);
    return zeroText(kind, separator);
}

std::string zeroText(FieldKind kind, char separator) {
    // The zero texts stand for 0 and must read back as a number in the user's locale.
    switch (kind) {
    case FieldKind::NeswOffset:
        return std::string("0") + separator + "00";
    case FieldKind::NeswWest:
        return std::string("0") + separator + "0";
    default:
        return {};
    }
}

} // namespace zorvane
