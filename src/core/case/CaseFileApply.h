#pragma once
// Opening a case file replaces the open case by what the file holds.
#include "case/CaseState.h"
#include "files/CaseFile.h"

namespace zorvane {

// Replaces the open case by a parsed file: mode, numbers, texts, units (clamped), incident,
// points with their surface positions, polylines, images, legend (or `defaultLegend`), the
// description list, the grid with its new-point row selected; the case is started. The view
// fit, the history and the clean state are the caller's.
void applyCaseFile(CaseState& state, CaseFileContents&& contents,
                   const LegendRecord& defaultLegend = {});

} // namespace zorvane
