#include "files/CoordinateExport.h"

#include "files/AtomicFile.h"
#include "units/LengthFormatter.h"
#include "view/Prefetch.h"
#include "view/ViewTransform.h"

#include <charconv>
#include <cstring>
#include <memory>

namespace zorvane {
namespace {

constexpr char kFieldSeparator = ',';
constexpr std::size_t kBlock = std::size_t{64} << 10;

// The height of a point: Z, the measured height or the elevation.
double heightOf(const PointRecord& p, CaseMode mode) {
    return mode == CaseMode::Nesw ? p.m5 : p.m3;
}

// Copies the text's whole capacity, a fixed size the compiler moves in a few instructions, and
// keeps its length: the line buffer always has room for that much.
template <std::size_t N> char* writeText(char* p, const ShortString<N>& text) {
    if (text.empty()) {
        *p++ = '@';
        return p;
    }
    std::memcpy(p, text.view().data(), N);
    return p + text.size();
}

// The longest line: number, five values, descriptor, code, their separators and CR LF.
constexpr std::size_t kMaxLine = 12 + 5 * (kMaxFixedText + 1) + 51 + 11 + 2;

// Branch-free: run on the texts of every point written.
bool holdsBreak(std::string_view text) {
    bool found = false;
    for (const char c : text) found |= (c == kFieldSeparator) | (c == '\r') | (c == '\n');
    return found;
}

struct Cancelled {};

} // namespace

ExportValues exportValues(const PointRecord& p, CaseMode caseMode, CaseMode kind) {
    const bool nesw = kind == CaseMode::Nesw;
    ExportValues out;
    out.count = nesw ? 5 : 3;
    if (kind == caseMode) {
        out.v = {p.m1, p.m2, p.m3, p.m4, p.m5};
        if (!nesw) out.v[3] = out.v[4] = 0;
        return out;
    }
    const WorldPos w = worldPosition(p, caseMode);
    const double height = heightOf(p, caseMode);
    switch (kind) {
    case CaseMode::Polar: {
        const PolarReading r = worldToPolar(w.x, w.y);
        out.v = {r.bearing, r.length, height, 0, 0};
        break;
    }
    case CaseMode::Nesw: {
        const PointRecord n = worldToNesw(w.x, w.y);
        out.v = {n.m1, n.m2, n.m3, n.m4, height};
        break;
    }
    case CaseMode::Xyz:
    default:
        out.v = {w.x, w.y, height, 0, 0};
    }
    return out;
}

namespace {

char* writeExportLine(char* p, const PointRecord& point, CaseMode caseMode, CaseMode kind,
                      const ExportOptions& o, int decimals, char separator) {
    if (o.exportNumber) {
        p = std::to_chars(p, p + 12, point.number).ptr;
        *p++ = kFieldSeparator;
    }
    if (o.exportPoint) {
        const ExportValues values = exportValues(point, caseMode, kind);
        for (std::size_t i = 0; i < values.count; ++i) {
            if (i > 0) *p++ = kFieldSeparator;
            const bool flattened = !o.in3D && i + 1 == values.count;
            p = writeFixed(p, flattened ? 0.0 : values.v[i], decimals, separator);
        }
    }
    if (o.exportDescription) {
        if (o.exportPoint) *p++ = kFieldSeparator;
        p = writeText(p, point.descriptor);
    }
    if (o.exportCode) {
        if (o.exportPoint || o.exportDescription) *p++ = kFieldSeparator;
        p = writeText(p, point.code);
    }
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

// A decimal comma would be read as a field separator.
char numberSeparator(char decimalSeparator) {
    return decimalSeparator == kFieldSeparator ? '.' : decimalSeparator;
}

} // namespace

void appendExportLine(std::string& out, const PointRecord& point, CaseMode caseMode, CaseMode kind,
                      const ExportOptions& options, int decimals, char decimalSeparator) {
    char line[kMaxLine];
    out.append(line, writeExportLine(line, point, caseMode, kind, options, decimals,
                                     numberSeparator(decimalSeparator)));
}

bool hasSeparatorInText(const PointRecord& p, const ExportOptions& o) {
    return (o.exportDescription && holdsBreak(p.descriptor.view())) ||
           (o.exportCode && holdsBreak(p.code.view()));
}

std::optional<CoordinateExportResult> exportCoordinates(const std::filesystem::path& path,
                                                        const PointTable& points, CaseMode caseMode,
                                                        CaseMode kind, const ExportOptions& options,
                                                        int decimals, char decimalSeparator,
                                                        const ProgressCallback& progress) {
    CoordinateExportResult result;
    bool started = false;
    ProgressMeter meter(progress, points.size());
    const auto produce = [&](const ByteSink& sink) {
        started = true;
        const auto block = std::make_unique_for_overwrite<char[]>(kBlock + kMaxLine);
        char* p = block.get();
        const auto flush = [&] {
            sink({reinterpret_cast<const std::uint8_t*>(block.get()),
                  static_cast<std::size_t>(p - block.get())});
            p = block.get();
        };
        const char separator = numberSeparator(decimalSeparator);
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i + kPrefetchAhead < points.size()) prefetch(&points[i + kPrefetchAhead]);
            const PointRecord& point = points[i];
            p = writeExportLine(p, point, caseMode, kind, options, decimals, separator);
            if (hasSeparatorInText(point, options)) ++result.pointsWithSeparator;
            if (p >= block.get() + kBlock) flush();
            if (!meter.update(i + 1)) throw Cancelled{};
        }
        if (p != block.get()) flush();
        if (!meter.finish()) throw Cancelled{};
        result.pointsWritten = points.size();
    };
    try {
        writeFileAtomically(path, produce);
    } catch (const Cancelled&) {
        return std::nullopt;
    } catch (const FileWriteError& e) {
        throw CoordinateExportError(started ? e.what() : std::string(kExportFileInUseMessage));
    }
    return result;
}

std::optional<std::string> separatorWarning(const CoordinateExportResult& r) {
    if (r.pointsWithSeparator == 0) return std::nullopt;
    const bool one = r.pointsWithSeparator == 1;
    return std::to_string(r.pointsWithSeparator) + (one ? " point has" : " points have") +
           " a comma or a line break in " + (one ? "its" : "their") +
           " description or code. The file has been written as the case holds them; please "
           "check it before another program reads it.";
}

} // namespace zorvane
