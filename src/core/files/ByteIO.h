#pragma once
// Little-endian field writers and readers for the binary files (case file, option files).
// Records are laid out field by field so that the bytes never depend on the compiler's
// struct layout; reserved gaps are written as zeros and skipped when read.
#include "model/ShortString.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace zorvane {

// Reading past the end of the data. Callers that know what they were reading check the
// remaining size first and give a better message; this is the last line of defence.
class ShortReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

namespace byteio {

template <class U> inline void storeLE(std::uint8_t* p, U v) {
    static_assert(std::is_unsigned_v<U>);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, sizeof v);
    } else {
        for (std::size_t i = 0; i < sizeof v; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

template <class U> inline U loadLE(const std::uint8_t* p) {
    static_assert(std::is_unsigned_v<U>);
    U v;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, p, sizeof v);
    } else {
        v = 0;
        for (std::size_t i = 0; i < sizeof v; ++i)
            v |= static_cast<U>(static_cast<U>(p[i]) << (8 * i));
    }
    return v;
}

} // namespace byteio

// Writes into a buffer sized beforehand; the writers compute the exact size of what they
// write, so running past the end is a programming error.
class ByteWriter {
  public:
    explicit ByteWriter(std::span<std::uint8_t> out)
        : p_(out.data()), end_(out.data() + out.size()) {}

    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v)); }
    void u32(std::uint32_t v) { put(v); }
    void f64(double v) { put(std::bit_cast<std::uint64_t>(v)); }
    void byte(std::uint8_t v) { put(v); }
    void flag(bool v) { put(static_cast<std::uint8_t>(v ? 1 : 0)); }

    void zeros(std::size_t n) {
        room(n);
        std::memset(p_, 0, n);
        p_ += n;
    }

    void bytes(std::span<const std::uint8_t> b) {
        room(b.size());
        if (!b.empty()) std::memcpy(p_, b.data(), b.size());
        p_ += b.size();
    }

    // A short string of capacity N: the length byte, the text, zeros up to N.
    template <std::size_t N> void shortString(const ShortString<N>& s) { shortText(s.view(), N); }
    // A text cut to N characters on the way in, as storing it in a record would.
    template <std::size_t N> void shortString(std::string_view text) { shortText(text, N); }

    std::size_t remaining() const { return static_cast<std::size_t>(end_ - p_); }

  private:
    void room(std::size_t n) const {
        if (n > static_cast<std::size_t>(end_ - p_)) [[unlikely]]
            overflow();
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void overflow() {
        throw std::logic_error("ByteWriter: record larger than its buffer");
    }
    template <class U> void put(U v) {
        room(sizeof v);
        byteio::storeLE(p_, v);
        p_ += sizeof v;
    }
    void shortText(std::string_view text, std::size_t capacity) {
        const std::size_t n = std::min(text.size(), capacity);
        room(1 + capacity);
        p_[0] = static_cast<std::uint8_t>(n);
        if (n) std::memcpy(p_ + 1, text.data(), n);
        std::memset(p_ + 1 + n, 0, capacity - n);
        p_ += 1 + capacity;
    }

    std::uint8_t* p_;
    std::uint8_t* end_;
};

// Reads from untrusted bytes; every read is bounds-checked.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> in)
        : begin_(in.data()), p_(in.data()), end_(in.data() + in.size()) {}

    std::int32_t i32() { return static_cast<std::int32_t>(get<std::uint32_t>()); }
    std::uint32_t u32() { return get<std::uint32_t>(); }
    double f64() { return std::bit_cast<double>(get<std::uint64_t>()); }
    std::uint8_t byte() { return get<std::uint8_t>(); }
    bool flag() { return get<std::uint8_t>() != 0; }

    void skip(std::size_t n) {
        need(n);
        p_ += n;
    }

    // The next n bytes, not copied.
    std::span<const std::uint8_t> bytes(std::size_t n) {
        need(n);
        std::span<const std::uint8_t> s(p_, n);
        p_ += n;
        return s;
    }

    // A short string of capacity N. A length byte above N (damaged data) is clamped to N;
    // the bytes after the text are ignored.
    template <std::size_t N> ShortString<N> shortString() { return ShortString<N>(shortText(N)); }
    template <std::size_t N> void shortStringInto(ShortString<N>& out) { out.assign(shortText(N)); }

    std::size_t remaining() const { return static_cast<std::size_t>(end_ - p_); }
    std::size_t position() const { return static_cast<std::size_t>(p_ - begin_); }
    bool atEnd() const { return p_ == end_; }

  private:
    void need(std::size_t n) const {
        if (n > static_cast<std::size_t>(end_ - p_)) [[unlikely]]
            shortRead(n);
    }
    [[noreturn, gnu::cold, gnu::noinline]] void shortRead(std::size_t n) const {
        throw ShortReadError("The data ends at byte " + std::to_string(position() + remaining()) +
                             " where " + std::to_string(n) + " more bytes were expected at byte " +
                             std::to_string(position()) + ".");
    }
    template <class U> U get() {
        need(sizeof(U));
        const U v = byteio::loadLE<U>(p_);
        p_ += sizeof(U);
        return v;
    }
    std::string_view shortText(std::size_t capacity) {
        need(1 + capacity);
        const std::size_t n = std::min<std::size_t>(p_[0], capacity);
        std::string_view s(reinterpret_cast<const char*>(p_ + 1), n);
        p_ += 1 + capacity;
        return s;
    }

    const std::uint8_t* begin_;
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

} // namespace zorvane
