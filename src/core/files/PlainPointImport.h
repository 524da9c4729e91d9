#pragma once
// Plain point files as most survey programs export them: one point a line, its identifier,
// two coordinates, the elevation and a description, as PNEZD (point, northing, easting,
// elevation, description) or PENZD (easting before northing). Fields are separated by commas,
// by semicolons, or by blanks; the description is the rest of the line. Numbers take a decimal
// point, or a decimal comma where commas do not separate the fields. A field may be quoted.
// A first line without any digit holds column titles and is passed over.
// The points make an XYZ case: easting X, northing Y, elevation Z, taken as numbers in the
// program's default unit.
#include "files/CoordinateImport.h"

#include <optional>
#include <string_view>

namespace zorvane {

enum class PlainPointOrder { Pnezd, Penzd };

// One line read: the fields as they stand (cp1252), the coordinates as numbers.
struct PlainPoint {
    std::string_view id;
    double easting = 0, northing = 0, elevation = 0;
    std::string_view description;
};
std::optional<PlainPoint> readPlainPoint(std::string_view line, PlainPointOrder order);

// Nothing when `progress` asks to stop; throws CoordinateFileError for more points than a
// case can hold.
std::optional<ImportedCase> importPlainPointText(std::string_view bytes, PlainPointOrder order,
                                                 const ProgramOptions& program,
                                                 const ProgressCallback& progress = {},
                                                 double from = 0, double to = 1);

} // namespace zorvane
