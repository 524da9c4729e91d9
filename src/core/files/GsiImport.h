#pragma once
// A Leica GSI file (GSI-8 and GSI-16 blocks, mixed as they come) as a new case:
// - a file that holds target coordinates (words 81, 82) gives an XYZ case: easting, northing
//   and height are X, Y and Z; an observation without coordinates is placed from its station
//   when the station's coordinates are known;
// - a file of observations only gives a Polar case around the station: the horizontal angle is
//   the bearing, the horizontal distance the length, the height difference the height; when
//   the targets were observed from several stations whose coordinates are all known, the
//   points are placed from them in an XYZ case instead.
// Lengths come in the program's default unit whatever unit each word was recorded in.
// A line that is not a well-formed block, or a target that cannot be placed, is listed in the
// errors; station, code and other blocks without a target are not points and not errors. A
// code block gives its code and information to the next target.
#include "files/CoordinateImport.h"

#include <optional>
#include <string_view>

namespace zorvane {

// Nothing when `progress` asks to stop; throws CoordinateFileError for more points than a
// case can hold.
std::optional<ImportedCase> importGsiText(std::string_view bytes, const ProgramOptions& program,
                                          const ProgressCallback& progress = {}, double from = 0,
                                          double to = 1);

} // namespace zorvane
