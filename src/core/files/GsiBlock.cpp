#include "files/GsiBlock.h"

#include "model/UnitSettings.h"
#include "text/Cp1252.h"
#include "units/UnitConversion.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace zorvane {
namespace {

constexpr std::size_t kWordHead = 7; // word index 2, information 4, sign 1
constexpr double kGonToDegrees = 0.9;
constexpr double kMilToDegrees = 360.0 / 6400.0;

struct GsiWord {
    int index = 0;
    char unit = '.';
    bool negative = false;
    std::string_view data;
};

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view s) {
    for (const char c : s)
        if (!isDigit(c)) return false;
    return true;
}

std::optional<GsiWord> wordAt(std::string_view line, std::size_t at, std::size_t dataSize) {
    if (line.size() - at < kWordHead + dataSize) return std::nullopt;
    const std::string_view w = line.substr(at, kWordHead + dataSize);
    if (!isDigit(w[0]) || !isDigit(w[1])) return std::nullopt;
    for (std::size_t i = 2; i < 6; ++i)
        if (!isDigit(w[i]) && w[i] != '.') return std::nullopt;
    if (w[6] != '+' && w[6] != '-') return std::nullopt;
    return GsiWord{(w[0] - '0') * 10 + (w[1] - '0'), w[5], w[6] == '-', w.substr(kWordHead)};
}

// digits x 10^exponent, the nearest double: a 16-digit survey coordinate keeps every digit a
// double can hold, which a division after reading the integer would not promise.
double decimalValue(std::string_view digits, int exponent) {
    std::array<char, 32> text{};
    char* end = std::copy(digits.begin(), digits.end(), text.begin());
    *end++ = 'e';
    end = std::to_chars(end, text.end(), exponent).ptr;
    double value = 0;
    std::from_chars(text.data(), end, value);
    return value;
}

// Padding zeros (and blanks) in front of a text word go; an identifier of only zeros is 0.
std::string_view textOf(std::string_view data, bool identifier) {
    std::string_view t = trimmed(data);
    while (!t.empty() && t.front() == '0') t.remove_prefix(1);
    if (t.empty() && identifier && !trimmed(data).empty()) return "0";
    return trimmed(t);
}

// A length word in `unit`: metric words move the decimal point within the metric units, so
// that a coordinate read in metres into a metre case is the very number in the file.
std::optional<double> lengthOf(const GsiWord& w, int unit) {
    if (!allDigits(w.data)) return std::nullopt;
    int decimals = 0;
    bool metric = true;
    switch (w.unit) {
    case '.':
    case '0':
        decimals = 3;
        break;
    case '6':
        decimals = 4;
        break;
    case '8':
        decimals = 5;
        break;
    case '1':
        decimals = 3, metric = false;
        break;
    case '7':
        decimals = 4, metric = false;
        break;
    default:
        return std::nullopt; // an angle unit on a length
    }
    int shift = 0;
    double factor = 1.0;
    if (metric && unit >= kMeter && unit <= kMillimeter)
        shift = unit == kMeter ? 0 : unit == kCentimeter ? 2 : 3;
    else if (metric)
        factor = conversionFactor(kMeter, unit);
    else if (unit != kDecimalFeet && unit != kFeetInches)
        factor = conversionFactor(kDecimalFeet, unit);
    const double v = decimalValue(w.data, shift - decimals) * factor;
    return w.negative ? -v : v;
}

std::optional<double> sexagesimal(std::string_view digits) {
    std::uint64_t n = 0;
    for (const char c : digits) n = n * 10 + static_cast<std::uint64_t>(c - '0');
    const auto tenths = n % 10, seconds = n / 10 % 100, minutes = n / 1000 % 100;
    if (seconds >= 60 || minutes >= 60) return std::nullopt;
    return static_cast<double>(n / 100000) + static_cast<double>(minutes) / 60.0 +
           (static_cast<double>(seconds) + static_cast<double>(tenths) / 10.0) / 3600.0;
}

// An angle word in degrees.
std::optional<double> angleOf(const GsiWord& w) {
    if (!allDigits(w.data)) return std::nullopt;
    std::optional<double> v;
    switch (w.unit) {
    case '2':
        v = decimalValue(w.data, -5) * kGonToDegrees;
        break;
    case '3':
        v = decimalValue(w.data, -5);
        break;
    case '4':
        v = sexagesimal(w.data);
        break;
    case '5':
        v = decimalValue(w.data, -4) * kMilToDegrees;
        break;
    default:
        return std::nullopt; // a length unit, or none, on an angle
    }
    if (v && w.negative) *v = -*v;
    return v;
}

// Information words rank 42..49 before 72..79.
int informationRank(int index) {
    return index <= 49 ? index - 42 : index - 72 + 8;
}

class BlockReader {
  public:
    explicit BlockReader(int unit) : unit_(unit) {}

    bool take(const GsiWord& w) {
        switch (w.index) {
        case 11:
            block_.pointId = textOf(w.data, true);
            return true;
        case 21:
            return angle(w, block_.horizontalAngle);
        case 22:
            return angle(w, block_.verticalAngle);
        case 31:
            return length(w, block_.slopeDistance);
        case 32:
            return length(w, block_.horizontalDistance);
        case 33:
            return length(w, block_.heightDifference);
        case 41:
            code41_ = textOf(w.data, false);
            return true;
        case 71:
            code71_ = textOf(w.data, false);
            return true;
        case 81:
            return length(w, block_.easting);
        case 82:
            return length(w, block_.northing);
        case 83:
            return length(w, block_.height);
        case 84:
            return length(w, block_.stationEasting);
        case 85:
            return length(w, block_.stationNorthing);
        case 86:
            return length(w, block_.stationHeight);
        case 87:
            return length(w, block_.reflectorHeight);
        case 88:
            return length(w, block_.instrumentHeight);
        default:
            break;
        }
        if ((w.index >= 42 && w.index <= 49) || (w.index >= 72 && w.index <= 79)) information(w);
        return true;
    }

    GsiBlock finish() {
        block_.code = code41_.empty() ? code71_ : code41_;
        return block_;
    }

    GsiBlock& block() { return block_; }

  private:
    bool length(const GsiWord& w, std::optional<double>& into) {
        into = lengthOf(w, unit_);
        return into.has_value();
    }
    bool angle(const GsiWord& w, std::optional<double>& into) {
        into = angleOf(w);
        return into.has_value();
    }
    void information(const GsiWord& w) {
        const std::string_view t = textOf(w.data, false);
        const int rank = informationRank(w.index);
        if (!t.empty() && rank < informationRank_) {
            block_.information = t;
            informationRank_ = rank;
        }
    }

    int unit_;
    GsiBlock block_;
    std::string_view code41_, code71_;
    int informationRank_ = 1 << 20;
};

} // namespace

std::optional<GsiBlock> readGsiBlock(std::string_view line, int unit) {
    line = trimmed(line);
    BlockReader reader(clampUnit(unit));
    std::size_t at = 0;
    if (!line.empty() && line.front() == '*') {
        reader.block().wide = true;
        at = 1;
    }
    if (at == line.size()) return std::nullopt;
    const std::size_t dataSize = reader.block().wide ? 16 : 8;
    while (at < line.size()) {
        const auto word = wordAt(line, at, dataSize);
        if (!word || !reader.take(*word)) return std::nullopt;
        at += kWordHead + dataSize;
        if (at == line.size()) break;
        if (line[at] != ' ') return std::nullopt; // a word longer than its kind
        while (at < line.size() && line[at] == ' ') ++at;
    }
    return reader.finish();
}

bool looksLikeGsi(std::string_view line) {
    line = trimmed(line);
    const bool wide = line.starts_with('*');
    return wordAt(line, wide ? 1 : 0, wide ? 16 : 8).has_value();
}

} // namespace zorvane
