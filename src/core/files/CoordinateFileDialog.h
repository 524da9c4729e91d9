#pragma once
// The file dialogs of the coordinate imports and exports: both use the case file dialog's
// filter, with the entry (1-based) and default extension of the kind.
#include "files/FileDialogFilters.h"
#include "model/PointRecord.h"

#include <string_view>

namespace zorvane {

struct CoordinateFileDialog {
    std::string_view title;
    std::string_view defaultExtension;
    int filterIndex;
};

CoordinateFileDialog importDialog(CaseMode kind);
CoordinateFileDialog exportDialog(CaseMode kind);

} // namespace zorvane
