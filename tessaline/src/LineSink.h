#pragma once
// The two ways an entity's lines reach the output buffer. Entities are written once, as
// templates over the sink: RoomSink writes into room reserved for the whole entity with a
// plain cursor; FileSink checks the room for every line, for texts too long for that.
#include "OutputFile.h"
#include "RealFormat.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tessaline {

// Room one entity needs besides its texts: its longest kind, TEXT, writes about 120 bytes
// of group codes and fixed values, 7 reals, 3 integers and a handle.
inline constexpr std::size_t kEntityRoom = 1024;
static_assert(120 + 7 * (kRealRoom + 2) + 3 * 16 + 20 < kEntityRoom);
static_assert(kEntityRoom < OutputFile::kCapacity);

// Every byte stands for itself, except CR and LF, which become spaces: a value stays on
// its line and cannot start group codes of its own.
inline constexpr std::array<char, 256> kOneLine = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = char(c == '\r' || c == '\n' ? ' ' : c);
    return table;
}();

inline char* putOneLine(char* out, const char* text, std::size_t n) noexcept {
    for (std::size_t i = 0; i < n; ++i) out[i] = kOneLine[static_cast<unsigned char>(text[i])];
    return out + n;
}

// A text argument (NULL is empty) with its length, measured once.
struct TextValue {
    explicit TextValue(const char* text) noexcept
        : data(text ? text : ""), size(text ? std::strlen(text) : 0) {}
    const char* data;
    std::size_t size;
};

// A real formatted once, for values written more than once.
struct RealText {
    explicit RealText(double v) noexcept : size(std::size_t(formatReal(text, v) - text)) {}
    std::string_view view() const noexcept { return {text, size}; }
    char text[kRealRoom];
    std::size_t size;
};

inline char* putLineEnd(char* out) noexcept {
    out[0] = '\r';
    out[1] = '\n';
    return out + 2;
}

// Upper-case hexadecimal, at least four digits.
inline char* putHandle(char* out, std::uint64_t handle) noexcept {
    constexpr char kHex[] = "0123456789ABCDEF";
    int digits = handle <= 0xFFFF ? 4 : (int(std::bit_width(handle)) + 3) / 4;
    for (int i = digits - 1; i >= 0; --i, handle >>= 4) out[i] = kHex[handle & 15];
    return out + digits;
}

inline constexpr std::size_t kHandleRoom = 16;
inline constexpr std::size_t kIntegerRoom = 11;

class RoomSink {
  public:
    explicit RoomSink(char* at) noexcept : at_(at) {}
    char* end() const noexcept { return at_; }

    // Group codes and fixed values, their line ends included.
    void code(std::string_view lines) noexcept {
        std::memcpy(at_, lines.data(), lines.size());
        at_ += lines.size();
    }
    void text(TextValue t) noexcept { at_ = putLineEnd(putOneLine(at_, t.data, t.size)); }
    void kept(std::string_view value) noexcept { // already in its written form
        code(value);
        at_ = putLineEnd(at_);
    }
    template <class Real> void real(const Real& v) noexcept {
        at_ = putLineEnd(formatReal(at_, v));
    }
    void real(const RealText& v) noexcept {
        std::memcpy(at_, v.text, kRealRoom); // a fixed size copies quickest
        at_ = putLineEnd(at_ + v.size);
    }
    void integer(int v) noexcept {
        at_ = putLineEnd(std::to_chars(at_, at_ + kIntegerRoom, v).ptr);
    }
    void handle(std::uint64_t h) noexcept { at_ = putLineEnd(putHandle(at_, h)); }

  private:
    char* at_;
};

class FileSink {
  public:
    explicit FileSink(OutputFile& file) noexcept : file_(file) {}

    void code(std::string_view lines) noexcept { file_.put(lines); }
    void text(TextValue t) noexcept {
        file_.putOneLine(t.data, t.size);
        file_.put("\r\n");
    }
    void kept(std::string_view value) noexcept {
        file_.put(value);
        file_.put("\r\n");
    }
    template <class Real> void real(const Real& v) noexcept {
        RoomSink line(file_.reserve(kRealRoom + 2));
        line.real(v);
        file_.commit(line.end());
    }
    void integer(int v) noexcept {
        RoomSink line(file_.reserve(kIntegerRoom + 2));
        line.integer(v);
        file_.commit(line.end());
    }
    void handle(std::uint64_t h) noexcept {
        RoomSink line(file_.reserve(kHandleRoom + 2));
        line.handle(h);
        file_.commit(line.end());
    }

  private:
    OutputFile& file_;
};

} // namespace tessaline
