#pragma once
// One field list per record serves both directions: the list is written once as a template
// over these adapters, so the reader and the writer of a record cannot drift apart, and the
// size counter checks the list against the record's size at compile time.
//
//   template <class Io, class R> constexpr void fields(Io& io, R& r) { io.i32(r.a); io.reserved(3);
//   ... } FieldWriter w(out); fields(w, std::as_const(record)); FieldReader r(in);  fields(r,
//   record);
#include "files/ByteIO.h"
#include "model/ShortString.h"

#include <cstddef>
#include <cstdint>

namespace zorvane {

class FieldWriter {
  public:
    explicit FieldWriter(ByteWriter& out) : out_(out) {}
    void i32(const std::int32_t& v) { out_.i32(v); }
    void u32(const std::uint32_t& v) { out_.u32(v); }
    void flag(const bool& v) { out_.flag(v); }
    void byte(const std::uint8_t& v) { out_.byte(v); }
    void f64(const double& v) { out_.f64(v); }
    template <std::size_t N> void text(const ShortString<N>& s) { out_.shortString(s); }
    void reserved(std::size_t n) { out_.zeros(n); }

  private:
    ByteWriter& out_;
};

class FieldReader {
  public:
    explicit FieldReader(ByteReader& in) : in_(in) {}
    void i32(std::int32_t& v) { v = in_.i32(); }
    void u32(std::uint32_t& v) { v = in_.u32(); }
    void flag(bool& v) { v = in_.flag(); } // any byte but 0 counts as set
    void byte(std::uint8_t& v) { v = in_.byte(); }
    void f64(double& v) { v = in_.f64(); }
    // A length byte above N (damaged data) is clamped; the bytes after the text are ignored.
    template <std::size_t N> void text(ShortString<N>& s) { in_.shortStringInto(s); }
    void reserved(std::size_t n) { in_.skip(n); }

  private:
    ByteReader& in_;
};

class FieldCounter {
  public:
    constexpr void i32(const std::int32_t&) { n += 4; }
    constexpr void u32(const std::uint32_t&) { n += 4; }
    constexpr void flag(const bool&) { n += 1; }
    constexpr void byte(const std::uint8_t&) { n += 1; }
    constexpr void f64(const double&) { n += 8; }
    template <std::size_t N> constexpr void text(const ShortString<N>&) { n += N + 1; }
    constexpr void reserved(std::size_t k) { n += k; }
    std::size_t n = 0;
};

// The size the field list gives a record: static_assert it against the record's size.
template <class R, class Fields> constexpr std::size_t recordSize(Fields fields) {
    FieldCounter c;
    R r{};
    fields(c, r);
    return c.n;
}

} // namespace zorvane
