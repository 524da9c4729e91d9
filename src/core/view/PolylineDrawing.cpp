#include "view/PolylineDrawing.h"

#include "model/PointList.h"
#include "view/ArcGeometry.h"
#include "view/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zorvane {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// Table index of the first point with each number the definitions use, found in one pass
// over the points: a linear search per entry would cost entries x points on every redraw.
class NumberLookup {
  public:
    NumberLookup(std::vector<std::int32_t> wanted, const PointTable& points, std::size_t count)
        : wanted_(std::move(wanted)) {
        std::sort(wanted_.begin(), wanted_.end());
        wanted_.erase(std::unique(wanted_.begin(), wanted_.end()), wanted_.end());
        index_.assign(wanted_.size(), kNone);
        if (wanted_.empty()) return;
        const std::int64_t low = wanted_.front();
        const std::uint64_t span = static_cast<std::uint64_t>(wanted_.back() - low);
        // A bit per number in the used range rejects most points without a search.
        std::vector<std::uint64_t> bits;
        constexpr std::uint64_t kMaxBitmapSpan = std::uint64_t{1} << 23;
        if (span < kMaxBitmapSpan) {
            bits.assign(span / 64 + 1, 0);
            for (const std::int32_t n : wanted_) {
                const std::uint64_t o = static_cast<std::uint64_t>(n - low);
                bits[o / 64] |= std::uint64_t{1} << (o % 64);
            }
        }
        std::size_t missing = wanted_.size();
        for (std::size_t i = 0; i < count && missing > 0; ++i) {
            const std::uint64_t o = static_cast<std::uint64_t>(points[i].number - low);
            if (o > span) continue;
            if (!bits.empty() && !(bits[o / 64] >> (o % 64) & 1)) continue;
            const std::size_t k = slot(points[i].number);
            if (k != kNone && index_[k] == kNone) {
                index_[k] = i;
                --missing;
            }
        }
    }

    std::size_t find(std::int32_t number) const {
        const std::size_t k = slot(number);
        return k == kNone ? kNone : index_[k];
    }

  private:
    std::size_t slot(std::int32_t number) const {
        const auto it = std::lower_bound(wanted_.begin(), wanted_.end(), number);
        return it != wanted_.end() && *it == number ? static_cast<std::size_t>(it - wanted_.begin())
                                                    : kNone;
    }

    std::vector<std::int32_t> wanted_;
    std::vector<std::size_t> index_;
};

struct Parsed {
    std::size_t first = 0, count = 0;
    bool broken = false;
};

// Width 0 draws one pixel; widths outside the list (damaged files) draw one pixel too.
int penWidth(std::int32_t widthIndex) {
    return widthIndex >= 1 && widthIndex < static_cast<std::int32_t>(kPolylineWidths.size())
               ? widthIndex
               : 1;
}

} // namespace

PolylineDrawReport drawPolylines(const PolylineTable& polylines, const PointTable& points,
                                 const ScreenPositions& screen, Canvas& canvas) {
    PolylineDrawReport report;
    if (polylines.empty()) return report;

    std::vector<std::int32_t> numbers;
    std::vector<Parsed> parsed(polylines.size());
    for (std::size_t k = 0; k < polylines.size(); ++k) {
        try {
            const std::vector<std::int32_t> list =
                parsePointNumbers(polylines[k].pointsText.view());
            parsed[k] = {numbers.size(), list.size(), false};
            numbers.insert(numbers.end(), list.begin(), list.end());
        } catch (const InvalidIntegerError& e) {
            parsed[k].broken = true;
            if (report.conversionError.empty()) report.conversionError = e.what();
        } catch (const PointListTooLongError&) {
            parsed[k].broken = true;
        }
    }

    const std::size_t count = std::min(points.size(), screen.size());
    const NumberLookup lookup(numbers, points, count);

    std::vector<PixelPos> vertices;
    for (std::size_t k = 0; k < polylines.size(); ++k) {
        const PolylineRecord& record = polylines[k];
        bool broken = parsed[k].broken;
        vertices.clear();
        for (std::size_t e = 0; e < parsed[k].count && !broken; ++e) {
            const std::size_t i = lookup.find(numbers[parsed[k].first + e]);
            if (i == kNone) {
                broken = true;
                break;
            }
            vertices.push_back({roundHalfEven(screen[i].x), roundHalfEven(screen[i].y)});
        }
        if (broken) {
            report.brokenNames.push_back(record.name.str());
            continue;
        }
        const bool arc = isArcName(record.name.view());
        if (arc ? vertices.size() < 3 : vertices.size() < 2) continue; // nothing sound to draw
        canvas.setPen(polylineScreenColour(record.colourIndex), penWidth(record.widthIndex));
        if (arc)
            drawArc(canvas, vertices[0].x, vertices[0].y, vertices[1].x, vertices[1].y,
                    vertices[2].x, vertices[2].y, vertices.size() == 4);
        else
            canvas.polyline(vertices);
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

} // namespace zorvane
