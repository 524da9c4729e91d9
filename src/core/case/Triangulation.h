#pragma once
// A point fixed by two taped distances from two points of the case (two-distance
// triangulation): the texts of the dialog become the texts the entry page would hold for the
// point, in the case's own form, so that it is created the way a typed point is.
#include "case/CaseState.h"
#include "case/PointEntry.h"

#include <string>

namespace zorvane {

enum class TriangulationSide { Left, Right }; // of the line from A to B

// The dialog's texts (cp1252).
struct TriangulationFields {
    std::string number;
    std::string pointA, pointB;
    std::string distanceA, distanceB; // in the case unit; Feet & Inches as typed on a page
    TriangulationSide side = TriangulationSide::Left;
    std::string descriptor;
};

enum class TriangulationField { None, Number, PointA, PointB, DistanceA, DistanceB };

// Below this crossing angle (or above 180 minus it) the point is poorly fixed.
inline constexpr double kPoorCrossingAngle = 15.0;

struct TriangulationPlan {
    std::string error; // UTF-8, naming the rule that failed; empty when the point can be made
    TriangulationField focus = TriangulationField::None;
    EntryFields entry;     // the point as an entry page of the case's mode would hold it
    std::string summary;   // UTF-8: the values as they will be stored ("X 3.00, Y 4.00")
    std::string warning;   // UTF-8: the point is poorly fixed, and by how much an error moves it
    bool replaces = false; // a point has the number: as on the entry page, it is modified

    bool failed() const { return !error.empty(); }
};

TriangulationPlan planTriangulation(const CaseState& state, const TriangulationFields& fields);

// What leaving a distance field does to its text: as a length field of an entry page.
std::string normaliseDistance(const CaseState& state, std::string_view text);

} // namespace zorvane
