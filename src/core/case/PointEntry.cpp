#include "case/PointEntry.h"

#include "case/CaseOperations.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"
#include "units/LengthParser.h"

namespace zorvane {
namespace {

constexpr const char* kMissingValues = "Enter valid coordinates";

bool hasText(const std::string& s) {
    return !s.empty();
}

bool valuesMissing(const EntryFields& f, CaseMode mode) {
    const auto& v = f.values;
    switch (mode) {
    case CaseMode::Polar:
        return v[0].empty() || v[1].empty();
    case CaseMode::Nesw: {
        // North, East, South, West: something north-or-sideways and something south-or-sideways.
        const bool sideways = hasText(v[1]) || hasText(v[3]);
        return !(hasText(v[0]) || sideways) || !(hasText(v[2]) || sideways);
    }
    case CaseMode::Xyz:
    default:
        return trimmed(v[0]).empty() || trimmed(v[1]).empty();
    }
}

} // namespace

int valueFieldCount(CaseMode mode) {
    return mode == CaseMode::Nesw ? 5 : 3;
}

int heightFieldIndex(CaseMode mode) {
    return mode == CaseMode::Nesw ? 4 : 2;
}

FieldKind valueFieldKind(CaseMode mode, int i) {
    if (i == heightFieldIndex(mode)) return FieldKind::Height;
    if (mode == CaseMode::Polar && i == 0) return FieldKind::Bearing;
    if (mode == CaseMode::Nesw && i <= 2) return FieldKind::NeswOffset;
    if (mode == CaseMode::Nesw && i == 3) return FieldKind::NeswWest;
    return FieldKind::Length;
}

void normaliseValues(EntryFields& f, CaseMode mode, const UnitSettings& units, char sep) {
    for (int i = 0; i < valueFieldCount(mode); ++i)
        f.values[static_cast<std::size_t>(i)] = normaliseField(
            f.values[static_cast<std::size_t>(i)], valueFieldKind(mode, i), units, sep);
}

Outcome createOrModifyPoint(CaseState& doc, ViewTransform& view, UndoHistory& undo,
                            EntryFields& f) {
    const CaseMode mode = doc.mode;
    const UnitSettings& units = doc.units;
    const char sep = doc.decimalSeparator;
    normaliseValues(f, mode, units, sep);

    if (valuesMissing(f, mode)) return Outcome::refused(kMissingValues, Field::Value, 0);
    // Checked before the snapshot so that a refused entry leaves the case and its history alone.
    const auto number = parseInteger(f.number);
    if (!number)
        return Outcome::refused(invalidIntegerMessage(cp1252ToUtf8(f.number)), Field::Number);
    undo.takeSnapshot(doc);

    const bool fi = units.feetInches();
    auto length = [&](const std::string& t) {
        return fi ? parseLength(t) : parseDecimal(t, sep).value_or(0.0);
    };

    const int n = valueFieldCount(mode);
    const int hi = heightFieldIndex(mode);
    std::array<double, 5> v{};
    std::array<std::string, 5> texts = f.values;
    for (int i = 0; i < n; ++i) {
        const auto& t = f.values[static_cast<std::size_t>(i)];
        if (i == hi) {
            // The height is optional: empty counts as 0 and shows as a zero text.
            if (fi) {
                const bool given = !trimmed(t).empty();
                v[static_cast<std::size_t>(i)] = given ? parseLength(t) : 0.0;
                texts[static_cast<std::size_t>(i)] = given ? t : "0' 0\"";
            } else if (auto d = parseDecimal(t, sep)) {
                texts[static_cast<std::size_t>(i)] = formatFixed(*d, units.decimals, sep);
                v[static_cast<std::size_t>(i)] =
                    parseDecimal(texts[static_cast<std::size_t>(i)], sep).value_or(*d);
            } else {
                texts[static_cast<std::size_t>(i)] = formatFixed(0.0, 2, sep);
                v[static_cast<std::size_t>(i)] = 0.0;
            }
        } else if (t.empty() && mode == CaseMode::Nesw) {
            // An offset left empty counts as 0 and shows as the zero text of its field.
            texts[static_cast<std::size_t>(i)] =
                fi ? formatFeetInches(0) : zeroText(valueFieldKind(mode, i), sep);
        } else if (valueFieldKind(mode, i) == FieldKind::Bearing) {
            v[static_cast<std::size_t>(i)] = parseDecimal(t, sep).value_or(0.0);
        } else {
            v[static_cast<std::size_t>(i)] = length(t);
        }
    }

    PointRecord p;
    p.number = *number;
    p.m1 = v[0], p.m2 = v[1], p.m3 = v[2], p.m4 = v[3], p.m5 = v[4];
    p.code = f.code;
    p.descriptor = f.descriptor;
    const int row = putPoint(doc, view, p);

    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(PointGrid::columnCount(mode)));
    cells.push_back(std::to_string(*number));
    for (int i = 0; i < n; ++i) cells.push_back(texts[static_cast<std::size_t>(i)]);
    cells.push_back(f.descriptor);
    cells.push_back(f.code);
    doc.grid.setRow(row, std::move(cells));

    // After the last point row the new-point row is selected, ready for the next point.
    doc.grid.selectedRow = row == static_cast<int>(doc.points.size()) ? row + 1 : row;
    undo.recordResult(doc);
    addDescriptor(doc.descriptors, f.descriptor);
    return Outcome::done(row);
}

SelectionLoad loadSelection(const CaseState& doc, int row) {
    SelectionLoad s;
    if (isPointRow(doc, row)) {
        s.pointRow = true;
        s.fields.number = doc.grid.cell(doc.points, doc.mode, row, 0);
        for (int i = 0; i < valueFieldCount(doc.mode); ++i)
            s.fields.values[static_cast<std::size_t>(i)] =
                doc.grid.cell(doc.points, doc.mode, row, i + 1);
        s.fields.descriptor =
            doc.grid.cell(doc.points, doc.mode, row, PointGrid::descriptorColumn(doc.mode));
        s.mark = doc.points[static_cast<std::size_t>(row - 1)].markColour;
    } else {
        s.fields.number = std::to_string(static_cast<long long>(doc.lastPointNumber) + 1);
    }
    return s;
}

NumberLookup findRowByNumberText(const CaseState& doc, std::string_view text) {
    NumberLookup r;
    const auto number = parseInteger(text);
    if (!number) {
        r.error = invalidIntegerMessage(cp1252ToUtf8(text));
        return r;
    }
    if (auto i = findPoint(doc.points, *number)) r.row = static_cast<int>(*i) + 1;
    return r;
}

} // namespace zorvane
