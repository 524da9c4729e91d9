#include "view/PolylineDrawing.h"

#include "model/PointList.h"
#include "model/PointNumberIndex.h"
#include "view/ArcGeometry.h"
#include "view/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zorvane {

namespace {

// The numbers the definitions name, as one span: only points in it are indexed.
struct NumberSpan {
    std::int32_t low = std::numeric_limits<std::int32_t>::max();
    std::int32_t high = std::numeric_limits<std::int32_t>::min();
    void add(std::int32_t a, std::int32_t b) { low = std::min(low, a), high = std::max(high, b); }
};

// What reading a definition's points text found, before any point is looked up.
struct Parsed {
    enum class State { Parts, BadBound, TooLong } state = State::Parts;
    std::size_t first = 0, count = 0; // its parts in the shared list
    std::uint64_t entries = 0;
    std::string badBound;
};

Parsed readDefinition(std::string_view text, std::vector<PointListPart>& parts, NumberSpan& named) {
    Parsed d;
    try {
        const std::vector<PointListPart> own = pointListParts(text);
        d.first = parts.size(), d.count = own.size();
        for (const PointListPart& p : own) {
            d.entries += p.entries();
            std::int32_t number = 0;
            if (p.range)
                named.add(p.low, p.high);
            else if (readPointListEntry(p.entry, number))
                named.add(number, number);
        }
        parts.insert(parts.end(), own.begin(), own.end());
    } catch (const InvalidIntegerError& e) {
        d.state = Parsed::State::BadBound;
        d.badBound = e.text();
    } catch (const PointListTooLongError&) {
        d.state = Parsed::State::TooLong; // no case holds that many points: one is missing
    }
    return d;
}

enum class Verdict { Drawable, Missing, NotANumber };

// The entries in order: the first missing point or text that is not a number decides.
Verdict check(std::span<const PointListPart> parts, const PointNumberIndex& index,
              std::string_view& badEntry) {
    for (const PointListPart& p : parts) {
        if (p.range) {
            if (index.rows(p.low, p.high).empty()) return Verdict::Missing;
            continue;
        }
        std::int32_t number = 0;
        if (!readPointListEntry(p.entry, number)) {
            badEntry = p.entry;
            return Verdict::NotANumber;
        }
        if (index.find(number) == PointNumberIndex::kNone) return Verdict::Missing;
    }
    return Verdict::Drawable;
}

Verdict check(const Parsed& d, std::span<const PointListPart> parts, const PointNumberIndex& index,
              std::string_view& badEntry) {
    switch (d.state) {
    case Parsed::State::TooLong:
        return Verdict::Missing;
    case Parsed::State::BadBound:
        badEntry = d.badBound;
        return Verdict::NotANumber;
    case Parsed::State::Parts:
    default:
        return check(parts, index, badEntry);
    }
}

// The first `limit` vertices of a drawable definition.
void collectVertices(std::span<const PointListPart> parts, const PointNumberIndex& index,
                     const ScreenPositions& screen, std::size_t limit,
                     std::vector<PixelPos>& vertices) {
    vertices.clear();
    auto add = [&](std::size_t row) {
        vertices.push_back({roundHalfEven(screen[row].x), roundHalfEven(screen[row].y)});
        return vertices.size() < limit;
    };
    for (const PointListPart& p : parts) {
        if (p.range) {
            for (const std::uint32_t row : index.rows(p.low, p.high))
                if (!add(row)) return;
            continue;
        }
        std::int32_t number = 0;
        readPointListEntry(p.entry, number);
        if (!add(index.find(number))) return;
    }
}

// Width 0 draws one pixel; widths outside the list (damaged files) draw one pixel too.
int penWidth(std::int32_t widthIndex) {
    return widthIndex >= 1 && widthIndex < static_cast<std::int32_t>(kPolylineWidths.size())
               ? widthIndex
               : 1;
}

void drawDefinition(const PolylineRecord& record, std::uint64_t entries,
                    std::span<const PixelPos> vertices, Canvas& canvas) {
    const bool arc = isArcName(record.name.view());
    if (arc ? vertices.size() < 3 : vertices.size() < 2) return; // nothing sound to draw
    canvas.setPen(polylineScreenColour(record.colourIndex), penWidth(record.widthIndex));
    if (arc) // entries beyond the third only count: exactly four ask for the circle too
        drawArc(canvas, vertices[0].x, vertices[0].y, vertices[1].x, vertices[1].y, vertices[2].x,
                vertices[2].y, entries == 4);
    else
        canvas.polyline(vertices);
}

} // namespace

PolylineDrawReport drawPolylines(const PolylineTable& polylines, const PointTable& points,
                                 const ScreenPositions& screen, Canvas& canvas) {
    PolylineDrawReport report;
    if (polylines.empty()) return report;

    std::vector<PointListPart> parts;
    std::vector<Parsed> parsed;
    parsed.reserve(polylines.size());
    NumberSpan named;
    for (const PolylineRecord& record : polylines)
        parsed.push_back(readDefinition(record.pointsText.view(), parts, named));

    const std::size_t count = std::min(points.size(), screen.size());
    const PointNumberIndex index = named.low <= named.high
                                       ? PointNumberIndex(points, count, named.low, named.high)
                                       : PointNumberIndex();

    std::vector<PixelPos> vertices;
    for (std::size_t k = 0; k < polylines.size(); ++k) {
        const PolylineRecord& record = polylines[k];
        const Parsed& d = parsed[k];
        const std::span<const PointListPart> own(parts.data() + d.first, d.count);
        std::string_view badEntry;
        switch (check(d, own, index, badEntry)) {
        case Verdict::Missing:
            report.brokenNames.push_back(record.name.str());
            break;
        case Verdict::NotANumber:
            if (report.conversionError.empty())
                report.conversionError = conversionErrorMessage(badEntry, record.name.view());
            break;
        case Verdict::Drawable:
            collectVertices(own, index, screen, isArcName(record.name.view()) ? 3 : d.entries,
                            vertices);
            drawDefinition(record, d.entries, vertices, canvas);
            break;
        }
    }
    return report;
}

std::string brokenDefinitionsMessage(const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k > 0) joined += ',';
        joined += names[k];
    }
    return " An error occured in Polylines or Arcs \"" + joined +
           "\". One or more points don't exist or have been deleted.\r\r"
           " Please check Polylines and Arcs definition before continuing.";
}

std::string conversionErrorMessage(std::string_view text, std::string_view name) {
    return InvalidIntegerError(text).what() + std::string(" in Polyline or Arc \"") +
           std::string(name) + "\"";
}

} // namespace zorvane
