#pragma once
// One field list per record serves both directions: the list is written once as a template
// over these two adapters, so the reader and the writer of a record cannot drift apart.
//
//   template <class Io, class R> void fields(Io& io, R& r) { io.i32(r.a); io.reserved(3); ... }
//   FieldWriter w(out); fields(w, std::as_const(record));
//   FieldReader r(in);  fields(r, record);
#include "files/ByteIO.h"

#include <cstddef>
#include <cstdint>

namespace zorvane {

class FieldWriter {
  public:
    explicit FieldWriter(ByteWriter& out) : out_(out) {}
    void i32(const std::int32_t& v) { out_.i32(v); }
    void flag(const bool& v) { out_.flag(v); }
    void byte(const std::uint8_t& v) { out_.byte(v); }
    void f64(const double& v) { out_.f64(v); }
    void reserved(std::size_t n) { out_.zeros(n); }

  private:
    ByteWriter& out_;
};

class FieldReader {
  public:
    explicit FieldReader(ByteReader& in) : in_(in) {}
    void i32(std::int32_t& v) { v = in_.i32(); }
    void flag(bool& v) { v = in_.flag(); } // any byte but 0 counts as set
    void byte(std::uint8_t& v) { v = in_.byte(); }
    void f64(double& v) { v = in_.f64(); }
    void reserved(std::size_t n) { in_.skip(n); }

  private:
    ByteReader& in_;
};

} // namespace zorvane
