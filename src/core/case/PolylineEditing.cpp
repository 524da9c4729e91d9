#include "case/PolylineEditing.h"

#include "text/Cp1252.h"

namespace zorvane {

std::optional<std::size_t> findPolylineIgnoringCase(const PolylineTable& table, std::string_view name) {
    for (std::size_t k = 0; k < table.size(); ++k)
        if (equalsIgnoreCase(table[k].name.view(), name)) return k;
    return std::nullopt;
}

PolylineFields polylineFields(const PolylineRecord* r) {
    PolylineFields f;
    if (!r) return f;
    f.name = r->name.str();
    f.description = r->description.str();
    f.colourIndex = r->colourIndex;
    f.widthIndex = r->widthIndex;
    f.pointsText = r->pointsText.str();
    return f;
}

PolylineOutcome createOrModifyPolyline(CaseDocument& doc, UndoHistory& undo, const PolylineFields& f) {
    PolylineOutcome out;
    if (trimmed(f.name).empty()) {
        out.message = kEmptyPolylineName;
        return out;
    }
    // A longer name would be stored cut while the lookup compares the whole text: every
    // Create would then append another record under the same name.
    if (f.name.size() > decltype(PolylineRecord::name)::capacity) {
        out.message = kPolylineNameTooLong;
        return out;
    }
    if (f.pointsText.find_first_of(",-") == std::string::npos) {
        out.message = kPointsSeparatorMissing;
        out.focusPoints = true;
        return out;
    }
    undo.takeSnapshot(doc);
    PolylineRecord r;
    r.name = f.name;
    r.description = f.description;
    r.colourIndex = f.colourIndex;
    r.widthIndex = f.widthIndex;
    r.pointsText = f.pointsText;

    out.kind = PolylineOutcome::Kind::Appended;
    for (std::size_t k = 0; k < doc.polylines.size(); ++k)
        if (doc.polylines[k].name.view() == f.name) {
            doc.polylines[k] = r;
            out.kind = PolylineOutcome::Kind::Replaced;
            out.index = k;
            break;
        }
    if (out.kind == PolylineOutcome::Kind::Appended) {
        doc.polylines.push_back(r);
        out.index = doc.polylines.size() - 1;
    }
    undo.recordResult(doc);
    return out;
}

bool deletePolyline(CaseDocument& doc, UndoHistory& undo, std::size_t k) {
    if (k >= doc.polylines.size()) return false;
    undo.takeSnapshot(doc);
    doc.polylines.erase(doc.polylines.begin() + static_cast<std::ptrdiff_t>(k));
    undo.recordResult(doc);
    return true;
}

} // namespace zorvane
