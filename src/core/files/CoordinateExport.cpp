#include "files/CoordinateExport.h"

#include "files/AtomicFile.h"
#include "units/LengthFormatter.h"
#include "view/ViewTransform.h"

#include <charconv>
#include <cstring>

namespace zorvane {
namespace {

constexpr char kFieldSeparator = ',';
constexpr std::size_t kBlock = std::size_t{64} << 10;

// The height of a point: Z, the measured height or the elevation.
double heightOf(const PointRecord& p, CaseMode mode) {
    return mode == CaseMode::Nesw ? p.m5 : p.m3;
}

void appendText(std::string& out, std::string_view text) {
    if (text.empty())
        out += '@';
    else
        out.append(text);
}

bool holdsBreak(std::string_view text) {
    return text.find_first_of(",\r\n") != std::string_view::npos;
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

void appendExportLine(std::string& out, const PointRecord& p, CaseMode caseMode, CaseMode kind,
                      const ExportOptions& o, int decimals, char decimalSeparator) {
    const char separator = decimalSeparator == kFieldSeparator ? '.' : decimalSeparator;
    if (o.exportNumber) {
        char buf[16];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, p.number).ptr);
        out += kFieldSeparator;
    }
    if (o.exportPoint) {
        const ExportValues values = exportValues(p, caseMode, kind);
        for (std::size_t i = 0; i < values.count; ++i) {
            if (i > 0) out += kFieldSeparator;
            const bool flattened = !o.in3D && i + 1 == values.count;
            appendFixed(out, flattened ? 0.0 : values.v[i], decimals, separator);
        }
    }
    if (o.exportDescription) {
        if (o.exportPoint) out += kFieldSeparator;
        appendText(out, p.descriptor.view());
    }
    if (o.exportCode) {
        if (o.exportPoint || o.exportDescription) out += kFieldSeparator;
        appendText(out, p.code.view());
    }
    out += "\r\n";
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
        std::string block;
        block.reserve(kBlock + 4096);
        const auto flush = [&] {
            sink({reinterpret_cast<const std::uint8_t*>(block.data()), block.size()});
            block.clear();
        };
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PointRecord& p = points[i];
            appendExportLine(block, p, caseMode, kind, options, decimals, decimalSeparator);
            if (hasSeparatorInText(p, options)) ++result.pointsWithSeparator;
            if (block.size() >= kBlock) flush();
            if (!meter.update(i + 1)) throw Cancelled{};
        }
        if (!block.empty()) flush();
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
