#include "case/PointEditing.h"

#include "case/CaseOperations.h"
#include "case/UndoHistory.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

#include <charconv>
#include <limits>

namespace zorvane {

Outcome deletePoint(CaseState& doc, UndoHistory& undo, std::string_view numberText) {
    const auto number = parseInteger(numberText);
    if (!number)
        return Outcome::refused(invalidIntegerMessage(cp1252ToUtf8(numberText)), Field::Number);
    const auto index = findPoint(doc.points, *number);
    if (!index) return Outcome::unchanged();

    undo.takeSnapshot(doc);
    CaseSnapshot after{doc.points, doc.screen, doc.polylines, doc.lastPointNumber};
    after.points.erase(*index);
    if (*index < after.screen.size()) after.screen.erase(*index);
    // Lowered by one only, even when that number does not exist; never below the smallest
    // number. Done before the result is recorded so that Redo gives back exactly the state
    // after the deletion.
    if (*number == doc.lastPointNumber &&
        after.lastPointNumber > std::numeric_limits<std::int32_t>::min())
        --after.lastPointNumber;
    rebuildGrid(doc, after);
    undo.recordResult(doc);
    return Outcome::done();
}

Outcome setMark(CaseState& doc, UndoHistory& undo, Colour colour) {
    const int row = doc.grid.selectedRow;
    if (!isPointRow(doc, row)) return Outcome::unchanged();
    undo.takeSnapshot(doc);
    doc.points.edit(static_cast<std::size_t>(row - 1)).markColour = colour;
    undo.recordResult(doc);
    return Outcome::done(row);
}

Outcome clearAllMarks(CaseState& doc, UndoHistory& undo) {
    undo.takeSnapshot(doc);
    doc.points.forEachMutable([](PointRecord& p) { p.markColour = 0; });
    undo.recordResult(doc);
    return Outcome::done();
}

std::string rewritePointList(std::string_view text,
                             const std::unordered_map<std::int32_t, std::int32_t>& renumbered) {
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            out.push_back(text[i++]);
            continue;
        }
        std::size_t j = i;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        std::int32_t value = 0;
        auto [end, ec] = std::from_chars(text.data() + i, text.data() + j, value);
        auto it = ec == std::errc() ? renumbered.find(value) : renumbered.end();
        if (it != renumbered.end())
            out += std::to_string(it->second);
        else
            out.append(text.substr(i, j - i));
        i = j;
    }
    return out;
}

Outcome renumberPoints(CaseState& doc, UndoHistory& undo, std::int32_t start) {
    if (doc.points.empty()) return Outcome::unchanged();
    const auto n = static_cast<std::int64_t>(doc.points.size());
    if (static_cast<std::int64_t>(start) + n - 1 > std::numeric_limits<std::int32_t>::max())
        return Outcome::refused("Renumbering from " + std::to_string(start) +
                                " would give point numbers beyond " +
                                std::to_string(std::numeric_limits<std::int32_t>::max()) + ".");

    // The first point with an old number decides its new number.
    std::unordered_map<std::int32_t, std::int32_t> renumbered;
    renumbered.reserve(doc.points.size());
    std::int64_t next = start;
    for (const PointRecord& p : doc.points)
        renumbered.emplace(p.number, static_cast<std::int32_t>(next++));

    std::vector<std::string> texts;
    texts.reserve(doc.polylines.size());
    for (const auto& pl : doc.polylines) {
        texts.push_back(rewritePointList(pl.pointsText.view(), renumbered));
        if (texts.back().size() > decltype(pl.pointsText)::capacity)
            return Outcome::refused("Points can't be renumbered from " + std::to_string(start) +
                                    ": the points of \"" + cp1252ToUtf8(pl.name.view()) +
                                    "\" would no longer fit in 255 characters.");
    }

    undo.noteChange();
    next = start;
    doc.points.forEachMutable(
        [&next](PointRecord& p) { p.number = static_cast<std::int32_t>(next++); });
    doc.lastPointNumber = static_cast<std::int32_t>(start + n - 1);
    for (std::size_t k = 0; k < doc.polylines.size(); ++k)
        doc.polylines.edit(k).pointsText = texts[k];
    refreshGrid(doc);
    return Outcome::done();
}

std::int32_t renumberStart(std::string_view text) {
    const auto v = parseInteger(text);
    return v && *v > 0 ? *v : 0;
}

} // namespace zorvane
