#include "case/ApplyImport.h"

#include "case/CaseOperations.h"
#include "view/ViewTransform.h"

namespace zorvane {

void applyImportedCase(CaseState& doc, ImportedCase&& imported, const ProgramOptions& options,
                       std::string_view today) {
    // What allocates comes first, so that a failure leaves the open case as it was.
    ScreenPositions screen;
    rebuildScreenPositions(screen, imported.points, imported.mode);

    resetCase(doc, imported.mode, options, today);
    doc.points = std::move(imported.points);
    doc.screen = std::move(screen);
    doc.descriptors = std::move(imported.descriptors);
    doc.lastPointNumber = imported.lastPointNumber;
    doc.grid.rebuild(doc.units, doc.decimalSeparator, true);
    doc.grid.selectedRow = newPointRow(doc);
}

} // namespace zorvane
