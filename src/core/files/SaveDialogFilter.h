#pragma once
// The filter list of the save dialog shared by the case file, the coordinate exports and the
// DXF export; each picks its entry (counted from 1).
namespace zorvane {

inline constexpr const char* kSaveDialogFilter =
    "XYZ files (*.zvx, *.txt)|*.zvx;*.txt|Polar files (*.zvp, *.txt)|*.zvp;*.txt|NSEW files "
    "(*.zvn, *.txt)|*.zvn;*.txt|Text files (*.txt)|*.txt|Zorvane files (*.zvr)|*.zvr|All files "
    "(*.*)|*.*|DXF Files (*.dxf)|*.dxf";
inline constexpr int kDxfFilterEntry = 7;

} // namespace zorvane
