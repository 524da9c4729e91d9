#pragma once
#include "case/CaseState.h"
#include "files/CoordinateImport.h"
#include "model/ProgramOptions.h"

#include <string_view>

namespace zorvane {

// Replaces the open case by an imported one, as a new case of its mode would start (defaults
// of `options`, incident dated `today`) holding the imported points: surface positions at
// scale 1, the description list, the grid with values fixed-point in every unit and its
// new-point row selected. The case is started and clean. Fitting the view, the status bar and
// the error window are the caller's.
void applyImportedCase(CaseState& state, ImportedCase&& imported, const ProgramOptions& options,
                       std::string_view today);

} // namespace zorvane
