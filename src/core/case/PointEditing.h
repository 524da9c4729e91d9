#pragma once
// Deleting, marking and renumbering points.
#include "case/CaseState.h"
#include "case/Outcome.h"
#include "case/UndoHistory.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace zorvane {

// Mark colours of the grid's popup menu (0x00BBGGRR).
inline constexpr Colour kMarkRed = 0x0000FF;
inline constexpr Colour kMarkGreen = 0x008000;
inline constexpr Colour kMarkBlue = 0xFF0000;
inline constexpr Colour kMarkMagenta = 0xFF00FF;

// Deletes the point with the number in `numberText` (nothing when no point has it).
Outcome deletePoint(CaseState& state, UndoHistory& undo, std::string_view numberText);

// Marks the point of the selected grid row (0 clears the mark). Nothing on the new-point row.
Outcome setMark(CaseState& state, UndoHistory& undo, Colour colour);

// Every mark back to 0; no point is removed.
Outcome clearAllMarks(CaseState& state, UndoHistory& undo);

// Numbers the points start, start + 1, ... in table order and rewrites every polyline's points
// text to match. Not recorded in the undo history, though it counts as a change. Refused, with
// nothing changed, when a rewritten points text would no longer fit its 255 characters.
Outcome renumberPoints(CaseState& state, UndoHistory& undo, std::int32_t start);

// Replaces each number of a points text through `renumbered`; separators and anything that is
// not a known number stay as they are.
std::string rewritePointList(std::string_view text,
                             const std::unordered_map<std::int32_t, std::int32_t>& renumbered);

// The renumbering dialog's start field: a negative or unreadable value becomes 0.
std::int32_t renumberStart(std::string_view text);

} // namespace zorvane
