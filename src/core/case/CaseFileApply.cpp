#include "case/CaseFileApply.h"

#include "case/CaseOperations.h"
#include "text/Cp1252.h"
#include "view/ViewTransform.h"

#include <array>
#include <unordered_set>

namespace zorvane {
namespace {

// The description list of a case: its distinct descriptors, letter case ignored, in the order
// they first appear. A set of lower-cased texts keeps this linear for large cases.
std::vector<std::string> descriptorList(const PointTable& points) {
    static const auto lower = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<std::size_t>(b)] = cp1252Lower(static_cast<char>(b));
        return t;
    }();
    std::vector<std::string> list;
    std::unordered_set<std::string> seen;
    std::string key;
    std::string_view previous;
    for (const auto& p : points) {
        const std::string_view d = p.descriptor.view();
        if (!list.empty() && d == previous) continue; // runs of one descriptor are common
        previous = d;
        key.resize(d.size());
        for (std::size_t i = 0; i < d.size(); ++i) key[i] = lower[static_cast<unsigned char>(d[i])];
        if (seen.insert(key).second) list.emplace_back(d);
    }
    return list;
}

} // namespace

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
