#include "RealFormat.h"

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tessaline {
namespace {

// Digits are kept as ASCII bytes in integers, the first digit in the lowest byte, so the
// bytes can be stored as they are.
static_assert(std::endian::native == std::endian::little, "digit bytes assume little-endian");

// 128-bit products and digit strings; GCC and Clang have it on every 64-bit target.
__extension__ using Wide = unsigned __int128;

// The steps below run in registers only when they are one function: a Decimal passed
// through memory costs a store-forwarding stall per value.
#define TESSALINE_INLINE inline __attribute__((always_inline))

constexpr int kSignificant = 15;
// A whole text, copied at a fixed size: at most 24 characters.
constexpr std::size_t kTextCopy = 32;
static_assert(kTextCopy <= kRealRoom);
constexpr std::uint64_t kPow10[20] = {1ull,
                                      10ull,
                                      100ull,
                                      1000ull,
                                      10000ull,
                                      100000ull,
                                      1000000ull,
                                      10000000ull,
                                      100000000ull,
                                      1000000000ull,
                                      10000000000ull,
                                      100000000000ull,
                                      1000000000000ull,
                                      10000000000000ull,
                                      100000000000000ull,
                                      1000000000000000ull,
                                      10000000000000000ull,
                                      100000000000000000ull,
                                      1000000000000000000ull,
                                      10000000000000000000ull};
constexpr std::uint64_t kSmallest15Digits = kPow10[kSignificant - 1];
constexpr std::uint64_t kPast15Digits = kPow10[kSignificant];
constexpr std::uint64_t kZeroBytes = 0x3030303030303030u;

// digit[0].digit[1]... times 10^exponent: the 15 digits in bytes 0 to 14 of `digits`,
// byte 15 '0'. The first `count` are significant, the rest are '0'.
struct Decimal {
    Wide digits;
    int count;
    int exponent;
};

// The eight decimal digits of n < 10^8, all lanes at once: halves of four digits, then
// pairs, then single digits, each split by multiplying with a scaled reciprocal.
TESSALINE_INLINE std::uint64_t eightDigits(std::uint32_t n) {
    std::uint64_t x = (n / 10000) | (std::uint64_t(n % 10000) << 32);
    std::uint64_t hundreds = ((x * 10486) >> 20) & 0x0000007F0000007Fu;
    x = hundreds | ((x - 100 * hundreds) << 16);
    std::uint64_t tens = ((x * 103) >> 10) & 0x000F000F000F000Fu;
    x = tens | ((x - 10 * tens) << 8);
    return x | kZeroBytes;
}

TESSALINE_INLINE int significantDigits(std::uint64_t head, std::uint64_t tail) {
    tail ^= kZeroBytes; // a byte that is not zero now was not a '0' digit
    if (tail != 0) return 8 + (63 - std::countl_zero(tail)) / 8 + 1;
    return (63 - std::countl_zero(head ^ kZeroBytes)) / 8 + 1;
}

TESSALINE_INLINE Decimal fromBytes(std::uint64_t head, std::uint64_t tail, int exponent) {
    return {head | (Wide(tail) << 64), significantDigits(head, tail), exponent};
}

// n holds exactly 15 digits.
TESSALINE_INLINE Decimal fromInteger(std::uint64_t n, int exponent) {
    std::uint64_t high = eightDigits(std::uint32_t(n / 100000000)); // '0' and 7 digits
    std::uint64_t low = eightDigits(std::uint32_t(n % 100000000));
    return fromBytes((high >> 8) | (low << 56), (low >> 8) | (kZeroBytes << 56), exponent);
}

// Rounds mantissa * 2^exp2 to 15 significant digits in exact integer arithmetic, ties to
// even as printf does. Covers the decades 1E-5 to 1E14, where nearly all drawing values
// live; false for the rest.
TESSALINE_INLINE bool roundExactly(std::uint64_t mantissa, int exp2, Decimal& d) {
    if (mantissa == 0 || exp2 >= 0 || exp2 <= -128) return false;
    int log2 = std::bit_width(mantissa) - 1 + exp2;
    int exponent = (log2 * 78913) >> 18; // floor(log2 * log10(2)): the decade or one below
    for (int attempt = 0; attempt < 3; ++attempt) {
        int scale = kSignificant - 1 - exponent;
        if (scale < 0 || scale > 19) return false;
        Wide product = Wide(mantissa) * kPow10[scale];
        int shift = -exp2;
        // Round half up, or half to even when exactly halfway: the odd bit tips the tie.
        const Wide odd = (product >> shift) & 1;
        // With the decade right or one too low, n < 10^16: 64 bits hold it.
        const auto n = std::uint64_t((product + (Wide(1) << (shift - 1)) - 1 + odd) >> shift);
        if (n == kPast15Digits) { // rounded up into the next decade: 9.99...95 -> 10
            d = fromBytes(kZeroBytes + 1, kZeroBytes, exponent + 1);
            return true;
        }
        if (n > kPast15Digits) {
            ++exponent;
        } else if (n < kSmallest15Digits) {
            --exponent;
        } else {
            d = fromInteger(n, exponent);
            return true;
        }
    }
    return false;
}

// The slow but general way, for huge, tiny and subnormal values. Kept out of line so the
// common path needs no stack frame for it.
template <class Real> [[gnu::noinline, gnu::cold]] Decimal roundWithToChars(Real magnitude) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific,
                                kSignificant - 1);
    // text is "d.dddddddddddddde+XX"
    char digits[16];
    digits[0] = text[0];
    std::memcpy(digits + 1, text + 2, kSignificant - 1);
    digits[15] = '0';
    const char* e = text + 2 + (kSignificant - 1) + 1;
    if (*e == '+') ++e;
    int exponent = 0;
    std::from_chars(e, result.ptr, exponent);
    std::uint64_t head, tail;
    std::memcpy(&head, digits, 8);
    std::memcpy(&tail, digits + 8, 8);
    return fromBytes(head, tail, exponent);
}

// Fixed notation is stored in 16-byte blocks straight from the registers; `out` has room
// for the bytes past the end of the text.
TESSALINE_INLINE char* layout(char* out, const Decimal& d) {
    const int e = d.exponent;
    if (e >= 0 && e < kSignificant) { // 1 <= |v| < 1E15
        const int whole = e + 1;
        if (d.count <= whole) { // an integer; the zeros it needs are in place
            std::memcpy(out, &d.digits, 16);
            return out + whole;
        }
        // All digits, then the fraction again one byte further on, then the point.
        std::memcpy(out, &d.digits, 16);
        const Wide fraction = d.digits >> (8 * whole);
        std::memcpy(out + whole + 1, &fraction, 16);
        out[whole] = '.';
        return out + d.count + 1;
    }
    if (e < 0 && e >= -4) { // 1E-4 <= |v| < 1
        std::memcpy(out, "0.000000", 8);
        out += 1 - e;
        std::memcpy(out, &d.digits, 16);
        return out + d.count;
    }
    char digits[16];
    std::memcpy(digits, &d.digits, 16);
    *out++ = digits[0];
    if (d.count > 1) {
        *out++ = '.';
        std::memcpy(out, digits + 1, 15);
        out += d.count - 1;
    }
    *out++ = 'E';
    if (e < 0) *out++ = '-';
    return std::to_chars(out, out + 8, e < 0 ? -e : e).ptr;
}

// Sign, zero and the special values are read from the bits: the comparisons of the floating
// point unit cost more, and for long double they are x87 instructions.
char* formatDouble(char* out, std::uint64_t bits) noexcept {
    const int biased = int(bits >> 52) & 0x7FF;
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    if (biased == 0x7FF) return nullptr; // NaN or infinite
    // Negative zero is written "0": a coordinate that is "-0" only confuses the reader.
    if ((bits << 1) == 0) {
        *out = '0';
        return out + 1;
    }
    *out = '-';
    out += bits >> 63;
    Decimal d;
    if (biased != 0 && roundExactly(fraction | (std::uint64_t(1) << 52), biased - 1075, d))
        return layout(out, d);
    return layout(out, roundWithToChars(std::fabs(std::bit_cast<double>(bits))));
}

// Reals written lately, with their texts. A drawing writes the same values again and again:
// a survey point's x and y go into its POINT and again into its number and descriptor
// texts, and every text of a layer has the same height. Rounding exactly is the costliest
// step of writing an entity; finding the text here takes a few cycles.
class RecentReals {
  public:
    char* format(char* out, std::uint64_t bits) noexcept {
        // Fibonacci hashing: neighbouring values land in different slots.
        Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits)];
        if (slot.bits == bits && slot.size != 0) {
            std::memcpy(out, slot.text, kTextCopy); // a fixed size copies quickest
            return out + slot.size;
        }
        char* end = formatDouble(out, bits);
        if (end) {
            std::memcpy(slot.text, out, kTextCopy);
            slot.bits = bits;
            slot.size = static_cast<std::uint8_t>(end - out);
        }
        return end;
    }

  private:
    static constexpr int kSlotBits = 6;
    struct Slot {
        std::uint64_t bits = 0;
        std::uint8_t size = 0; // 0: empty
        char text[kTextCopy] = {};
    };
    Slot slots_[1 << kSlotBits];
};

RecentReals recent; // one per process and not thread-safe, like the writer it serves

} // namespace

char* formatReal(char* out, double v) noexcept {
    return recent.format(out, std::bit_cast<std::uint64_t>(v));
}

char* formatReal(char* out, long double v) noexcept {
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
    // x87 extended: 64-bit mantissa with explicit leading bit, then sign and 15-bit exponent.
    std::uint64_t mantissa;
    std::uint16_t signAndExponent;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&v) + 8, sizeof signAndExponent);
    const int biased = signAndExponent & 0x7FFF;
    if (biased == 0x7FFF) return nullptr;
    if (mantissa == 0) {
        *out = '0';
        return out + 1;
    }
    *out = '-';
    out += signAndExponent >> 15;
    Decimal d;
    if (biased != 0 && (mantissa >> 63) && roundExactly(mantissa, biased - 16383 - 63, d))
        return layout(out, d);
    return layout(out, roundWithToChars(std::fabs(v)));
#else
    if (!std::isfinite(v)) return nullptr;
    if (v == 0) {
        *out = '0';
        return out + 1;
    }
    if (v < 0) *out++ = '-';
    return layout(out, roundWithToChars(std::fabs(v)));
#endif
}

} // namespace tessaline
