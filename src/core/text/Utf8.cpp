#include "text/Utf8.h"

#include <cstdint>
#include <cstring>

namespace zorvane {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Length of the ASCII run at the start of [p, end), eight bytes at a time.
std::size_t asciiRun(const unsigned char* p, const unsigned char* end) {
    const unsigned char* q = p;
    while (end - q >= 8) {
        std::uint64_t w;
        std::memcpy(&w, q, 8);
        if (w & kHighBits) break;
        q += 8;
    }
    while (q < end && *q < 0x80) ++q;
    return static_cast<std::size_t>(q - p);
}

// Length of the well-formed sequence starting at p (a byte >= 0x80), or 0.
std::size_t sequenceLength(const unsigned char* p, const unsigned char* end) {
    const unsigned char b = p[0];
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) lo = 0xA0; // overlong
        if (b == 0xED) hi = 0x9F; // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) lo = 0x90; // overlong
        if (b == 0xF4) hi = 0x8F; // above U+10FFFF
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(end - p) < n) return 0;
    if (p[1] < lo || p[1] > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return n;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    auto p = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = p + text.size();
    while (p < end) {
        p += asciiRun(p, end);
        if (p == end) break;
        const std::size_t n = sequenceLength(p, end);
        if (n == 0) return false;
        p += n;
    }
    return true;
}

bool hasNonAscii(std::string_view text) {
    auto p = reinterpret_cast<const unsigned char*>(text.data());
    return asciiRun(p, p + text.size()) != text.size();
}

} // namespace zorvane
