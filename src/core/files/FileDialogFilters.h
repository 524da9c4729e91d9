#pragma once
// The filter list of the file dialogs ("|" between names and patterns): the case file dialogs,
// the coordinate imports and exports and the DXF export share it, each with its own entry
// (counted from 1). The save dialogs have the DXF entry more.
#include <string_view>

namespace zorvane {

inline constexpr std::string_view kCaseFileFilter =
    "XYZ files (*.zvx, *.txt)|*.zvx;*.txt|Polar files (*.zvp, *.txt)|*.zvp;*.txt|NSEW files "
    "(*.zvn, *.txt)|*.zvn;*.txt|Text files (*.txt)|*.txt|Zorvane files (*.zvr)|*.zvr|All files "
    "(*.*)|*.*";
inline constexpr std::string_view kSaveDialogExtraEntry = "|DXF Files (*.dxf)|*.dxf";
inline constexpr int kCaseFileFilterEntry = 5;
inline constexpr int kDxfFilterEntry = 7;

} // namespace zorvane
