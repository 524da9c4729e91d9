#include "case/PointEditing.h"

#include "case/CaseOperations.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

#include <charconv>
#include <limits>

namespace zorvane {

EditOutcome deletePoint(CaseDocument& doc, UndoHistory& undo, std::string_view numberText) {
    EditOutcome out;
    const auto number = parseInteger(numberText);
    if (!number) {
        out.error = invalidIntegerMessage(cp1252ToUtf8(numberText));
        return out;
    }
    const auto index = findPoint(doc.points, *number);
    if (!index) return out;

    undo.takeSnapshot(doc);
    CaseSnapshot after{doc.points, doc.screen, doc.polylines, doc.lastPointNumber};
    after.points.erase(after.points.begin() + static_cast<std::ptrdiff_t>(*index));
    if (*index < after.screen.size()) after.screen.erase(after.screen.begin() + static_cast<std::ptrdiff_t>(*index));
    // Lowered by one only, even when that number does not exist. Done before the result is
    // recorded so that Redo gives back exactly the state after the deletion.
    if (*number == doc.lastPointNumber) --after.lastPointNumber;
    rebuildGrid(doc, after);
    undo.recordResult(doc);
    out.changed = true;
    return out;
}

EditOutcome setMark(CaseDocument& doc, UndoHistory& undo, Colour colour) {
    EditOutcome out;
    const int row = doc.grid.selectedRow;
    if (!isPointRow(doc, row)) return out;
    undo.takeSnapshot(doc);
    doc.points[static_cast<std::size_t>(row - 1)].markColour = colour;
    doc.clean = false;
    undo.recordResult(doc);
    out.changed = true;
    return out;
}

EditOutcome clearAllMarks(CaseDocument& doc, UndoHistory& undo) {
    undo.takeSnapshot(doc);
    for (auto& p : doc.points) p.markColour = 0;
    undo.recordResult(doc);
    return {true, std::nullopt};
}

std::string rewritePointList(std::string_view text, const std::unordered_map<std::int32_t, std::int32_t>& renumbered) {
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

EditOutcome renumberPoints(CaseDocument& doc, std::int32_t start) {
    EditOutcome out;
    if (doc.points.empty()) return out;
    const auto n = static_cast<std::int64_t>(doc.points.size());
    if (static_cast<std::int64_t>(start) + n - 1 > std::numeric_limits<std::int32_t>::max()) {
        out.error = "Renumbering from " + std::to_string(start) + " would give point numbers beyond " +
                    std::to_string(std::numeric_limits<std::int32_t>::max()) + ".";
        return out;
    }

    // The first point with an old number decides its new number.
    std::unordered_map<std::int32_t, std::int32_t> renumbered;
    renumbered.reserve(doc.points.size());
    for (std::size_t i = 0; i < doc.points.size(); ++i)
        renumbered.emplace(doc.points[i].number, static_cast<std::int32_t>(start + static_cast<std::int64_t>(i)));

    std::vector<std::string> texts;
    texts.reserve(doc.polylines.size());
    for (const auto& pl : doc.polylines) {
        texts.push_back(rewritePointList(pl.pointsText.view(), renumbered));
        if (texts.back().size() > decltype(pl.pointsText)::capacity) {
            out.error = "Points can't be renumbered from " + std::to_string(start) + ": the points of \"" +
                        cp1252ToUtf8(pl.name.view()) + "\" would no longer fit in 255 characters.";
            return out;
        }
    }

    doc.clean = false;
    for (std::size_t i = 0; i < doc.points.size(); ++i)
        doc.points[i].number = static_cast<std::int32_t>(start + static_cast<std::int64_t>(i));
    doc.lastPointNumber = static_cast<std::int32_t>(start + n - 1);
    for (std::size_t k = 0; k < doc.polylines.size(); ++k) doc.polylines[k].pointsText = texts[k];
    refreshGrid(doc);
    out.changed = true;
    return out;
}

std::int32_t renumberStart(std::string_view text) {
    const auto v = parseInteger(text);
    return v && *v > 0 ? *v : 0;
}

} // namespace zorvane
