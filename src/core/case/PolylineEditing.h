#pragma once
// Creating, replacing and deleting polyline and arc definitions, with undo around each change.
#include "case/CaseState.h"
#include "case/Outcome.h"
#include "case/UndoHistory.h"

#include <optional>
#include <string>

namespace zorvane {

// What the "Polylines and Arcs" window holds in its fields (cp1252 texts).
struct PolylineFields {
    std::string name;
    std::string description;
    std::int32_t colourIndex = kDefaultPolylineColourIndex;
    std::int32_t widthIndex = 0;
    std::string pointsText;
};

inline constexpr const char* kEmptyPolylineName = "Enter a valid polyline name please.";
inline constexpr const char* kPointsSeparatorMissing =
    "Incorrect data in Points field: \",\" or \"-\" missing.";
inline constexpr const char* kPolylineNameTooLong =
    "A polyline or arc name can have at most 10 characters.";

// The first definition whose name equals `name` ignoring letter case (the names list lookup).
std::optional<std::size_t> findPolylineIgnoringCase(const PolylineTable& table,
                                                    std::string_view name);

// The fields a definition loads into the window; the reset fields when there is none.
PolylineFields polylineFields(const PolylineRecord* record);

// Create/Modify: replaces the definition with exactly this name, or appends a new one.
// Outcome::row is the definition written; a refused points text names Field::Points.
Outcome createOrModifyPolyline(CaseState& state, UndoHistory& undo, const PolylineFields& fields);

// Removes definition k; unchanged when k names none.
Outcome deletePolyline(CaseState& state, UndoHistory& undo, std::size_t k);

} // namespace zorvane
