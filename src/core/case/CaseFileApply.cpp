#include "case/CaseFileApply.h"

#include "case/CaseOperations.h"
#include "model/DescriptorList.h"
#include "view/ViewTransform.h"

namespace zorvane {
void applyCaseFile(CaseState& doc, CaseFileContents&& c, const LegendRecord& defaultLegend) {
    // Everything that allocates is done before the case is touched, so that the case is
    // either replaced in full or left as it was.
    const CaseMode mode = caseModeFromFile(c.mode);
    ScreenPositions screen;
    rebuildScreenPositions(screen, c.points, mode);
    std::vector<std::string> descriptors = descriptorList(c.points);
    const LegendRecord legend = c.legend ? *c.legend : defaultLegend;

    doc.started = true;
    doc.mode = mode;
    doc.lastPointNumber = c.lastPointNumber;
    doc.caseName = std::move(c.caseName);
    doc.caseDescription = std::move(c.caseDescription);
    doc.units = {clampUnit(c.unit), clampDecimals(c.decimals)};
    doc.incident = c.incident;
    doc.points = std::move(c.points);
    doc.screen = std::move(screen);
    doc.polylines = std::move(c.polylines);
    doc.images = std::move(c.images);
    doc.images.current = 0;
    doc.legend = legend;
    doc.descriptors = std::move(descriptors);
    doc.grid.rebuild(doc.units, doc.decimalSeparator);
    doc.grid.selectedRow = newPointRow(doc);
}

} // namespace zorvane
