#pragma once
// The file dialogs of the coordinate imports and exports: both use the case file dialog's
// filter, with the entry (1-based) and default extension of the kind.
#include "model/PointRecord.h"

#include <string_view>

namespace zorvane {

// The filter of the case file dialogs ("|" between names and patterns), which the coordinate
// dialogs share.
inline constexpr std::string_view kCaseFileFilter =
    "XYZ files (*.zvx, *.txt)|*.zvx;*.txt|Polar files (*.zvp, *.txt)|*.zvp;*.txt|NSEW files "
    "(*.zvn, *.txt)|*.zvn;*.txt|Text files (*.txt)|*.txt|Zorvane files (*.zvr)|*.zvr|All files "
    "(*.*)|*.*";
// The save dialogs, shared by the case, the coordinate and the DXF exports, have one entry more.
inline constexpr std::string_view kSaveDialogExtraEntry = "|DXF Files (*.dxf)|*.dxf";

struct CoordinateFileDialog {
    std::string_view title;
    std::string_view defaultExtension;
    int filterIndex;
};

CoordinateFileDialog importDialog(CaseMode kind);
CoordinateFileDialog exportDialog(CaseMode kind);

} // namespace zorvane
