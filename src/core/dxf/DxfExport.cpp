#include "dxf/DxfExport.h"

#include "dxf/ArcVertices.h"
#include "dxf/DrawingTarget.h"
#include "dxf/DxfWriteError.h"
#include "model/PointList.h"
#include "model/PointNumberIndex.h"
#include "text/Cp1252.h"

#include "tessaline.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>

namespace zorvane {
namespace {

// Text justification codes of the TEXT entities (DXF groups 72 and 73).
constexpr int kLeft = 0;
constexpr int kBottom = 1;
constexpr int kTop = 3;
constexpr int kByLayer = 256;

bool finite(double a, double b, double c = 0) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// The height of a point: Z, the measured height, or the elevation.
double heightOf(const PointRecord& p, CaseMode mode) {
    return mode == CaseMode::Nesw ? p.m5 : p.m3;
}

// A short string handed to the library, which wants it ended by a zero. A short string
// keeps zeros after its text, so all of it is copied at a fixed size, quicker than the text.
template <std::size_t N> struct CText {
    explicit CText(const ShortString<N>& text) {
        std::memcpy(bytes, text.view().data(), N);
        bytes[text.size()] = '\0';
    }
    char bytes[N + 1];
};

// The plan position; XYZ, by far the most common, without a call.
WorldPos positionOf(const PointRecord& p, CaseMode mode) {
    return mode == CaseMode::Xyz ? WorldPos{p.m1, p.m2} : worldPosition(p, mode);
}

struct Located {
    double x, y, z;
};

class Exporter {
  public:
    Exporter(const CaseData& data, const DxfExportOptions& options, std::filesystem::path target,
             DxfExportOutcome& outcome)
        : data_(data), o_(options), target_(std::move(target)), outcome_(outcome),
          pointLayer_(o_.pointLayer), numberLayer_(o_.numberLayer),
          descriptorLayer_(o_.descriptorLayer), polylineLayer_(o_.polylineLayer) {}

    void write(const std::filesystem::path& file) {
        check(StartDXF(file.c_str(), nullptr));
        layers();
        check(EndDXFTabAndSection());
        if (o_.exportPoints || o_.exportNumbers || o_.exportDescriptors) points();
        if (o_.exportPolylines) polylines();
        check(EndDXF());
    }

  private:
    void check(int code) const {
        if (code != TESSALINE_OK) throw DxfWriteError(target_, TessalineLastError());
    }

    // Each layer once, names compared without regard to letter case; the first group that
    // names a layer gives its colour. The template's own layer "0" is not in the list.
    void layers() {
        std::vector<std::string_view> created;
        auto create = [&](const ShortString<31>& name, std::int32_t colour) {
            for (std::string_view c : created)
                if (equalsIgnoreCase(c, name.view())) return;
            check(CreateDXFLayer(CText<31>(name).bytes, colour));
            created.push_back(name.view());
        };
        if (o_.exportPoints) create(o_.pointLayer, o_.pointColour);
        if (o_.exportNumbers) create(o_.numberLayer, o_.numberColour);
        if (o_.exportDescriptors) create(o_.descriptorLayer, o_.descriptorColour);
        if (o_.exportPolylines) create(o_.polylineLayer, o_.polylineColour);
    }

    void points() {
        for (const PointRecord& p : data_.points) {
            const WorldPos w = positionOf(p, data_.mode);
            const double z = o_.points3D ? heightOf(p, data_.mode) : 0;
            if (!finite(w.x, w.y, z)) {
                outcome_.skipped.push_back(notANumber(p.number));
                continue;
            }
            point(p, w, z);
            ++outcome_.pointsWritten;
        }
    }

    // The number hangs below and to the right of the point, the descriptor stands above it;
    // both take the mark colour, the POINT is by layer. Texts always lie at z = 0.
    void point(const PointRecord& p, WorldPos w, double z) const {
        const int colour = dxfColourOfMark(p.markColour);
        if (o_.exportPoints) check(DrawDXFPoint(pointLayer_.bytes, w.x, w.y, z, kByLayer));
        if (o_.exportNumbers) {
            char number[16];
            *std::to_chars(number, number + 15, p.number).ptr = '\0';
            check(DrawDXFText(numberLayer_.bytes, w.x, w.y, 0, colour, number, o_.numberHeight,
                              kLeft, kTop));
        }
        if (o_.exportDescriptors && !p.descriptor.empty())
            check(DrawDXFText(descriptorLayer_.bytes, w.x, w.y, 0, colour,
                              CText<50>(p.descriptor).bytes, o_.descriptorHeight, kLeft, kBottom));
    }

    static std::string notANumber(std::int32_t number) {
        return "Point " + std::to_string(number) +
               " was not exported: its position is not a number.";
    }

    void polylines() {
        if (data_.polylines.empty()) return;
        index_.emplace(data_.points, data_.points.size(), std::numeric_limits<std::int32_t>::min(),
                       std::numeric_limits<std::int32_t>::max());
        for (const PolylineRecord& def : data_.polylines) {
            std::vector<std::int32_t> numbers;
            try {
                numbers = parsePointNumbers(def.pointsText.view());
            } catch (const InvalidIntegerError& e) {
                outcome_.skipped.emplace_back(e.what());
                continue;
            } catch (const PointListTooLongError& e) {
                outcome_.skipped.emplace_back(e.what());
                continue;
            }
            polyline(def, numbers);
            ++outcome_.polylinesWritten;
        }
    }

    void polyline(const PolylineRecord& def, const std::vector<std::int32_t>& numbers) {
        // Indexes outside the lists (damaged case files) draw black and thin, as on the plan.
        const auto inList = [](std::int32_t index, std::size_t size) {
            return index >= 0 && static_cast<std::size_t>(index) < size;
        };
        const int colour =
            1 + (inList(def.colourIndex, kPolylineColours.size()) ? def.colourIndex
                                                                  : kDefaultPolylineColourIndex);
        const double width =
            inList(def.widthIndex, kPolylineWidths.size()) ? def.widthIndex * 0.1 : 0.0;
        if (o_.polylines3D)
            check(StartDXF3DPolyline(polylineLayer_.bytes, colour, width, 0));
        else
            check(StartDXF2DPolyline(polylineLayer_.bytes, colour, width, 0, 0.0));
        if (o_.polylines3D || !isArcName(def.name.view()) || !arc(numbers)) vertices(numbers);
        check(EndDXFPolyline());
    }

    // An arc needs its first three points; false (nothing written) when one is missing, and
    // the points that exist are then written as plain vertices.
    bool arc(const std::vector<std::int32_t>& numbers) const {
        if (numbers.size() < 3) return false;
        std::optional<Located> p[3];
        for (int k = 0; k < 3; ++k)
            if (!(p[k] = locate(numbers[std::size_t(k)]))) return false;
        const ArcVertices bulged =
            arcVertices(p[0]->x, p[0]->y, p[1]->x, p[1]->y, p[2]->x, p[2]->y, numbers.size() == 4);
        for (std::size_t i = 0; i < bulged.count; ++i) {
            const BulgedVertex& v = bulged.vertices[i];
            check(DrawDXF2DVertex(v.x, v.y, v.bulge));
        }
        return true;
    }

    void vertices(const std::vector<std::int32_t>& numbers) const {
        for (std::int32_t number : numbers) {
            const std::optional<Located> p = locate(number);
            if (!p) continue;
            if (o_.polylines3D)
                check(DrawDXF3DVertex(p->x, p->y, p->z, 0.0));
            else
                check(DrawDXF2DVertex(p->x, p->y, 0.0));
        }
    }

    // The first point with this number; none when there is no such point or its position is
    // not a number.
    std::optional<Located> locate(std::int32_t number) const {
        const std::size_t at = index_->find(number);
        if (at == PointNumberIndex::kNone) return std::nullopt;
        const PointRecord& p = data_.points[at];
        const WorldPos w = positionOf(p, data_.mode);
        const double z = o_.polylines3D ? heightOf(p, data_.mode) : 0;
        if (!finite(w.x, w.y, z)) return std::nullopt;
        return Located{w.x, w.y, z};
    }

    const CaseData& data_;
    const DxfExportOptions& o_;
    std::filesystem::path target_;
    DxfExportOutcome& outcome_;
    CText<31> pointLayer_, numberLayer_, descriptorLayer_, polylineLayer_;
    std::optional<PointNumberIndex> index_;
};

} // namespace

int dxfColourOfMark(Colour markColour) {
    switch (markColour) {
    case 0x0000FF:
        return 1; // red
    case 0x008000:
        return 3; // green
    case 0xFF0000:
        return 5; // blue
    case 0xFF00FF:
        return 6; // fuchsia
    default:
        return kByLayer; // not marked, or a colour the export does not know
    }
}

DxfExportOutcome exportDxf(const CaseData& data, const DxfExportOptions& options,
                           const std::filesystem::path& target) {
    if ((options.exportNumbers && !std::isfinite(options.numberHeight)) ||
        (options.exportDescriptors && !std::isfinite(options.descriptorHeight)))
        throw std::invalid_argument("The DXF text height is not a number.");
    DxfExportOutcome outcome;
    DrawingTarget file(target);
    Exporter exporter(data, options, target, outcome);
    try {
        exporter.write(file.writePath());
    } catch (...) {
        // The library keeps a failed file open; closing it frees its disk space at once.
        (void)EndDXF();
        throw;
    }
    file.commit();
    return outcome;
}

} // namespace zorvane
