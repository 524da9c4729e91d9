#include "case/Triangulation.h"

#include "text/Cp1252.h"
#include "text/IntegerText.h"
#include "units/LengthFormatter.h"
#include "units/LengthParser.h"
#include "units/UnitConversion.h"
#include "view/CircleIntersection.h"
#include "view/ViewTransform.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace zorvane {
namespace {

// What a tape reading is typically out by, in each system of units.
constexpr double kTapeErrorMetres = 0.01;
constexpr double kTapeErrorInches = 0.25;

struct Reference {
    std::int32_t number = 0;
    WorldPos at;
};

TriangulationPlan refused(std::string message, TriangulationField focus) {
    TriangulationPlan p;
    p.error = std::move(message);
    p.focus = focus;
    return p;
}

class Planner {
  public:
    Planner(const CaseState& state, const TriangulationFields& fields)
        : state_(state), fields_(fields), sep_(state.decimalSeparator) {}

    TriangulationPlan plan() {
        const auto number = parseInteger(fields_.number);
        if (!number)
            return refused(invalidIntegerMessage(cp1252ToUtf8(fields_.number)),
                           TriangulationField::Number);
        TriangulationPlan failure;
        const auto a = reference(fields_.pointA, TriangulationField::PointA, failure);
        if (!a) return failure;
        const auto b = reference(fields_.pointB, TriangulationField::PointB, failure);
        if (!b) return failure;
        if (a->number == b->number)
            return refused("A and B are the same point (A = B): choose two different reference "
                           "points.",
                           TriangulationField::PointB);
        if (*number == a->number || *number == b->number)
            return refused("Point " + std::to_string(*number) +
                               " is a reference point: give the new point another number.",
                           TriangulationField::Number);
        const auto da = distance(fields_.distanceA);
        if (!da)
            return refused("Enter the distance from A, greater than 0.",
                           TriangulationField::DistanceA);
        const auto db = distance(fields_.distanceB);
        if (!db)
            return refused("Enter the distance from B, greater than 0.",
                           TriangulationField::DistanceB);
        return fix(*number, *a, *b, *da, *db);
    }

  private:
    std::optional<Reference> reference(const std::string& text, TriangulationField field,
                                       TriangulationPlan& failure) const {
        const auto n = parseInteger(text);
        if (!n) {
            failure = refused(invalidIntegerMessage(cp1252ToUtf8(text)), field);
            return std::nullopt;
        }
        const auto i = findPoint(state_.points, *n);
        if (!i) {
            failure = refused("There is no point " + std::to_string(*n) + " in this case.", field);
            return std::nullopt;
        }
        return Reference{*n, worldPosition(state_.points[*i], state_.mode)};
    }

    // The distance as the field shows it once left: what is computed is what is seen.
    std::optional<double> distance(const std::string& text) const {
        const std::string shown = normaliseDistance(state_, text);
        if (trimmed(shown).empty()) return std::nullopt;
        const double v = state_.units.feetInches() ? parseLength(shown)
                                                   : parseDecimal(shown, sep_).value_or(0.0);
        if (!(v > 0)) return std::nullopt;
        return v;
    }

    std::string length(double v) const { return formatLength(v, state_.units, sep_); }

    TriangulationPlan fix(std::int32_t number, const Reference& a, const Reference& b, double da,
                          double db) const {
        const CircleIntersection c = intersectCircles(a.at, da, b.at, db);
        const std::string ab = "AB (" + length(c.centreDistance) + ")";
        switch (c.meeting) {
        case CircleMeeting::SameCentre:
            return refused("A and B lie at the same place (AB = 0): choose two reference points "
                           "apart.",
                           TriangulationField::PointB);
        case CircleMeeting::TooFarApart:
            return refused("The distances are too short to meet: dA + dB (" + length(da) + " + " +
                               length(db) + " = " + length(da + db) + ") is less than " + ab + ".",
                           TriangulationField::DistanceA);
        case CircleMeeting::OneInsideOther:
            return refused("One circle lies inside the other: |dA - dB| (|" + length(da) + " - " +
                               length(db) + "| = " + length(std::fabs(da - db)) +
                               ") is more than " + ab + ".",
                           TriangulationField::DistanceA);
        case CircleMeeting::Touching:
        case CircleMeeting::Crossing:
            break;
        }
        TriangulationPlan p;
        const WorldPos at = fields_.side == TriangulationSide::Left ? c.left : c.right;
        p.entry = entryFor(number, at);
        p.summary = summaryOf(p.entry);
        p.warning = warningFor(c);
        p.replaces = findPoint(state_.points, number).has_value();
        return p;
    }

    EntryFields entryFor(std::int32_t number, WorldPos at) const {
        EntryFields e;
        e.number = std::to_string(number);
        e.descriptor = fields_.descriptor;
        switch (state_.mode) {
        case CaseMode::Polar: {
            const PolarReading r = worldToPolar(at.x, at.y);
            e.values[0] = formatFixed(r.bearing, state_.units.decimals, sep_);
            e.values[1] = length(r.length);
            break;
        }
        case CaseMode::Nesw: {
            const PointRecord r = worldToNesw(at.x, at.y);
            e.values = {length(r.m1), length(r.m2), length(r.m3), length(r.m4), ""};
            break;
        }
        case CaseMode::Xyz:
        default:
            e.values[0] = length(at.x), e.values[1] = length(at.y);
            break;
        }
        return e; // the height stays empty: two distances say nothing of it, so it is 0
    }

    std::string summaryOf(EntryFields e) const {
        static constexpr std::array<const char*, 2> kXyz = {"X", "Y"};
        static constexpr std::array<const char*, 2> kPolar = {"Bearing", "Length"};
        static constexpr std::array<const char*, 4> kNesw = {"North", "East", "South", "West"};
        normaliseValues(e, state_.mode, state_.units, sep_);
        std::string s;
        const auto put = [&](const auto& names) {
            for (std::size_t i = 0; i < names.size(); ++i)
                s += (i ? ", " : "") + std::string(names[i]) + " " + e.values[i];
        };
        if (state_.mode == CaseMode::Polar)
            put(kPolar);
        else if (state_.mode == CaseMode::Nesw)
            put(kNesw);
        else
            put(kXyz);
        return s;
    }

    std::string warningFor(const CircleIntersection& c) const {
        if (c.meeting == CircleMeeting::Touching)
            return "The two circles only touch: A, B and the point lie on one line, so the "
                   "smallest error in a distance moves the point far or leaves no point at all.";
        if (c.crossingAngle >= kPoorCrossingAngle && c.crossingAngle <= 180 - kPoorCrossingAngle)
            return {};
        const int unit = state_.units.unit;
        const bool metric = unit <= kMillimeter;
        const double tape = metric ? kTapeErrorMetres * conversionFactor(kMeter, unit)
                                   : kTapeErrorInches * conversionFactor(kInches, unit);
        UnitSettings shown = state_.units;
        shown.decimals = std::max(shown.decimals, 2);
        std::string moved = formatLength(tape * c.errorFactor, shown, sep_);
        if (!shown.feetInches()) moved += " " + std::string(unitStatusName(unit));
        return "The point is poorly fixed: the two circles cross at only " +
               formatFixed(c.crossingAngle, 1, sep_) +
               "\xC2\xB0, almost touching. A distance that is out by " +
               (metric ? "1 cm" : "1/4 inch") + " moves the point by about " + moved + ".";
    }

    const CaseState& state_;
    const TriangulationFields& fields_;
    char sep_;
};

} // namespace

TriangulationPlan planTriangulation(const CaseState& state, const TriangulationFields& fields) {
    return Planner(state, fields).plan();
}

std::string normaliseDistance(const CaseState& state, std::string_view text) {
    return normaliseField(text, FieldKind::Length, state.units, state.decimalSeparator);
}

} // namespace zorvane
