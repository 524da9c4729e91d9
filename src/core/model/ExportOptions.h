#pragma once
// What the coordinate exports write on each line (kept in qkrxyzop.ini).
namespace zorvane {

struct ExportOptions {
    bool exportPoint = true;       // "Export Point": the point's values
    bool in3D = true;              // "In 3D"; "In 2D" writes the last value as 0
    bool exportNumber = true;      // "Export Number"
    bool exportDescription = true; // "Export Description"
    bool exportCode = true;        // "Export Code"

    friend bool operator==(const ExportOptions&, const ExportOptions&) = default;
};

} // namespace zorvane
