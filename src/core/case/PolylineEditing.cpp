#include "case/PolylineEditing.h"

#include "text/Cp1252.h"

#include <optional>

namespace zorvane {

std::optional<std::size_t> findPolylineIgnoringCase(const PolylineTable& table,
                                                    std::string_view name) {
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

Outcome createOrModifyPolyline(CaseState& doc, UndoHistory& undo, const PolylineFields& f) {
    if (trimmed(f.name).empty()) return Outcome::refused(kEmptyPolylineName);
    // A longer name would be stored cut while the lookup compares the whole text: every
    // Create would then append another record under the same name.
    if (f.name.size() > decltype(PolylineRecord::name)::capacity)
        return Outcome::refused(kPolylineNameTooLong);
    if (f.pointsText.find_first_of(",-") == std::string::npos)
        return Outcome::refused(kPointsSeparatorMissing, Field::Points);
    undo.takeSnapshot(doc);
    PolylineRecord r;
    r.name = f.name;
    r.description = f.description;
    r.colourIndex = f.colourIndex;
    r.widthIndex = f.widthIndex;
    r.pointsText = f.pointsText;

    std::optional<std::size_t> written;
    for (std::size_t k = 0; k < doc.polylines.size() && !written; ++k)
        if (doc.polylines[k].name.view() == f.name) {
            doc.polylines.set(k, r);
            written = k;
        }
    if (!written) {
        doc.polylines.push_back(r);
        written = doc.polylines.size() - 1;
    }
    undo.recordResult(doc);
    return Outcome::done(static_cast<int>(*written));
}

Outcome deletePolyline(CaseState& doc, UndoHistory& undo, std::size_t k) {
    if (k >= doc.polylines.size()) return Outcome::unchanged();
    undo.takeSnapshot(doc);
    doc.polylines.erase(k);
    undo.recordResult(doc);
    return Outcome::done();
}

} // namespace zorvane
