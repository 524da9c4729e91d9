#pragma once
// The records of the case file, each laid out once as a list of fields. The same list drives
// the writer, the reader and the size check, so the three cannot drift apart.
#include "files/ByteIO.h"
#include "files/RecordFields.h"
#include "model/CaseData.h"

#include <cstddef>
#include <cstdint>

namespace zorvane::casefile {

inline constexpr std::size_t kHeaderSize = 180;
inline constexpr std::size_t kIncidentSize = 576;
inline constexpr std::size_t kPointSize = 120;
inline constexpr std::size_t kPolylineSize = 336;
inline constexpr std::size_t kLegendSize = 588;
inline constexpr std::int32_t kTrailerMarker = -999;
// The version field: length byte 3 and "1.0".
inline constexpr std::uint8_t kVersion[4] = {3, '1', '.', '0'};

// The header as stored; built from the case when saving, read aside when opening.
struct CaseHeader {
    ShortString<5> version{"1.0"};
    ShortString<50> caseName;
    std::int32_t lastPointNumber = 0;
    std::int32_t mode = 0;
    ShortString<100> caseDescription;
    std::int32_t unit = 0;
    std::int32_t decimals = 0;
};

// The field lists. `Io` is a writer, a reader or a size counter; `R` is the record, const
// when writing.
template <class Io, class R> constexpr void headerFields(Io& io, R& h) {
    io.text(h.version);
    io.text(h.caseName);
    io.reserved(3);
    io.i32(h.lastPointNumber);
    io.i32(h.mode);
    io.text(h.caseDescription);
    io.reserved(3);
    io.i32(h.unit);
    io.i32(h.decimals);
}

template <class Io, class R> constexpr void incidentFields(Io& io, R& r) {
    io.text(r.date);
    io.text(r.hour);
    io.text(r.place);
    io.text(r.name1);
    io.text(r.name2);
    io.text(r.circumstances);
}

template <class Io, class R> constexpr void pointFields(Io& io, R& p) {
    io.i32(p.number);
    io.reserved(4);
    io.f64(p.m1);
    io.f64(p.m2);
    io.f64(p.m3);
    io.text(p.code);
    io.text(p.descriptor);
    io.reserved(2);
    io.u32(p.markColour);
    io.reserved(4);
    io.f64(p.m4);
    io.f64(p.m5);
}

// The two reserved integers after the width are written as zero; old files may hold anything
// in the first, and it is never read.
template <class Io, class R> constexpr void polylineFields(Io& io, R& l) {
    io.text(l.name);
    io.text(l.description);
    io.reserved(2);
    io.i32(l.colourIndex);
    io.i32(l.widthIndex);
    io.reserved(8);
    io.text(l.pointsText);
}

template <class Io, class R> constexpr void legendFields(Io& io, R& g) {
    for (auto& line : g.lines) io.text(line);
    io.text(g.fontName);
    io.reserved(3);
    io.i32(g.fontHeight);
    io.byte(g.fontStyle);
    io.reserved(3);
    io.u32(g.fontColour);
    io.i32(g.left);
    io.i32(g.top);
    io.flag(g.boxed);
    io.flag(g.visible);
    io.reserved(2);
}

} // namespace zorvane::casefile
