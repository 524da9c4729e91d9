#include "files/GsiImport.h"

#include "files/GsiStations.h"
#include "files/ImportNumbering.h"
#include "files/ImportText.h"
#include "files/ImportedCaseBuilder.h"
#include "model/UnitSettings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace zorvane {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

// What the first pass over the file learns: the form of the new case.
struct GsiSurvey {
    bool coordinates = false;    // some target has easting or northing
    int lastStation = 0;         // the highest station a target was observed from
    bool stationsLocated = true; // every station a target was observed from has coordinates

    CaseMode mode() const {
        if (coordinates) return CaseMode::Xyz;
        return lastStation > 0 && stationsLocated ? CaseMode::Xyz : CaseMode::Polar;
    }
};

// Horizontal distance, height difference and bearing of an observation. A face-two reading
// (zenith angle beyond 180 degrees) is turned round to face one.
struct Observation {
    double bearing = 0, distance = 0, rise = 0;
};

Observation observe(const GsiBlock& b, const GsiStations& stations) {
    Observation o;
    double bearing = *b.horizontalAngle;
    if (b.horizontalDistance && *b.horizontalDistance >= 0) {
        o.distance = *b.horizontalDistance;
    } else {
        o.distance = *b.slopeDistance * std::sin(*b.verticalAngle * kRadians);
        if (o.distance < 0) o.distance = -o.distance, bearing += 180;
    }
    if (b.heightDifference)
        o.rise = *b.heightDifference;
    else if (b.slopeDistance && b.verticalAngle)
        o.rise = *b.slopeDistance * std::cos(*b.verticalAngle * kRadians) +
                 stations.current().instrumentHeight - stations.reflectorHeight();
    o.bearing = std::fmod(bearing, 360.0);
    if (o.bearing < 0) o.bearing += 360.0;
    if (o.bearing >= 360.0) o.bearing = 0; // a hair below zero came round to a full turn
    return o;
}

template <class OnBlock>
bool forEachBlock(const ImportText& text, int unit, ProgressMeter& meter, OnBlock&& onBlock) {
    return forEachImportLine(text, meter, [&](std::string_view raw, std::size_t number) {
        const std::string_view line = trimmed(raw);
        if (!line.empty()) onBlock(line, number, readGsiBlock(line, unit));
    });
}

std::optional<GsiSurvey> survey(const ImportText& text, int unit, ProgressMeter& meter) {
    GsiSurvey s;
    GsiStations stations;
    const bool done = forEachBlock(text, unit, meter, [&](auto, auto, const auto& block) {
        if (!block) return;
        stations.apply(*block);
        s.coordinates = s.coordinates || block->hasCoordinates();
        if (!isObservation(*block)) return;
        stations.observed();
        s.lastStation = std::max(s.lastStation, stations.index());
        s.stationsLocated = s.stationsLocated && stations.current().located();
    });
    if (!done) return std::nullopt;
    return s;
}

class GsiCaseBuilder {
  public:
    GsiCaseBuilder(CaseMode mode, std::int32_t lastPointNumber)
        : mode_(mode), numbering_(lastPointNumber), case_(mode) {}

    void block(std::string_view line, std::size_t number, const std::optional<GsiBlock>& block) {
        if (!block) return case_.reject(number, line);
        stations_.apply(*block);
        if (!block->hasTargetWords()) return keepCode(*block);
        const bool observation = isObservation(*block);
        if (observation) stations_.observed();
        const auto values = valuesOf(*block, observation);
        if (!values) {
            pendingCode_ = pendingInformation_ = {};
            return case_.reject(number, line);
        }
        add(*block, *values);
    }

    ImportedCase finish() {
        ImportedCase c = case_.finish();
        c.lastPointNumber = numbering_.finish(c.points);
        return c;
    }

  private:
    // A code block (words 41-49 or 71-79 alone) belongs to the next target.
    void keepCode(const GsiBlock& b) {
        if (b.hasStationWords() || (b.code.empty() && b.information.empty())) return;
        pendingCode_ = b.code;
        pendingInformation_ = b.information;
    }

    std::optional<std::array<double, 3>> valuesOf(const GsiBlock& b, bool observation) const {
        if (mode_ == CaseMode::Polar) {
            if (!observation || stations_.index() != 0) return std::nullopt;
            const Observation o = observe(b, stations_);
            return std::array{o.bearing, o.distance, o.rise};
        }
        if (b.hasCoordinates()) {
            if (!b.easting || !b.northing) return std::nullopt;
            return std::array{*b.easting, *b.northing, b.height.value_or(0)};
        }
        const GsiStation& at = stations_.current();
        if (!observation || !at.located()) return std::nullopt;
        const Observation o = observe(b, stations_);
        return std::array{*at.easting + o.distance * std::sin(o.bearing * kRadians),
                          *at.northing + o.distance * std::cos(o.bearing * kRadians),
                          at.height.value_or(0) + o.rise};
    }

    void add(const GsiBlock& b, const std::array<double, 3>& v) {
        PointRecord p;
        p.m1 = v[0], p.m2 = v[1], p.m3 = v[2];
        const std::string_view code = b.code.empty() ? pendingCode_ : b.code;
        std::string_view information = b.information.empty() ? pendingInformation_ : b.information;
        // A point coded but not described shows its code on the plan.
        p.descriptor = information.empty() ? code : information;
        p.code = code;
        const std::size_t index = case_.points().size();
        if (b.pointId)
            numbering_.number(p, *b.pointId, index);
        else
            numbering_.numberLater(index);
        case_.add(p);
        pendingCode_ = pendingInformation_ = {};
    }

    CaseMode mode_;
    GsiStations stations_;
    ImportNumbering numbering_;
    ImportedCaseBuilder case_;
    std::string pendingCode_, pendingInformation_;
};

} // namespace

std::optional<ImportedCase> importGsiText(std::string_view bytes, const ProgramOptions& program,
                                          const ProgressCallback& progress, double from,
                                          double to) {
    const ImportText text = decodeImportText(bytes);
    const int unit = clampUnit(program.defaultUnit);
    const double middle = from + (to - from) / 3; // the first pass only reads
    ProgressMeter first(progress, text.bytes.size(), from, middle);
    const auto found = survey(text, unit, first);
    if (!found) return std::nullopt;

    ProgressMeter second(progress, text.bytes.size(), middle, to);
    GsiCaseBuilder builder(found->mode(), lastNumberOfNewCase(program));
    const bool done = forEachBlock(text, unit, second, [&](auto line, auto number, const auto& b) {
        builder.block(line, number, b);
    });
    if (!done) return std::nullopt;
    return builder.finish();
}

} // namespace zorvane
