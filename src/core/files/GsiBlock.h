#pragma once
// One block (one line) of a Leica GSI file: words of a two-digit word index, four characters
// of information, a sign and 8 data characters (GSI-8) or 16 (GSI-16, a block that starts with
// "*"), each word followed by a blank. The last information character of a measured value
// gives its unit:
//   distances  0 metre (last digit 1 mm), 1 foot (1/1000 ft), 6 metre (1/10 mm),
//              7 foot (1/10 000 ft), 8 metre (1/100 mm); "." is read as 0
//   angles     2 gon, 3 decimal degrees (both with 5 decimals), 4 sexagesimal degrees
//              (DDDMMSSs, the last digit tenths of a second), 5 mil (4 decimals)
// Words this program uses: 11 point identifier; 21 horizontal angle, 22 vertical (zenith)
// angle; 31 slope distance, 32 horizontal distance, 33 height difference; 41 code and 42-49
// information, 71 remark (code) and 72-79 attributes; 81/82/83 easting, northing, height of the
// target; 84/85/86 easting, northing, height of the station; 87 reflector height, 88 instrument
// height. Any other word is checked for form and passed over.
#include <optional>
#include <string_view>

namespace zorvane {

struct GsiBlock {
    bool wide = false;                       // GSI-16
    std::optional<std::string_view> pointId; // word 11 without its padding zeros
    // Lengths are in the unit asked for, angles in degrees.
    std::optional<double> easting, northing, height;
    std::optional<double> horizontalAngle, verticalAngle;
    std::optional<double> slopeDistance, horizontalDistance, heightDifference;
    std::optional<double> stationEasting, stationNorthing, stationHeight;
    std::optional<double> reflectorHeight, instrumentHeight;
    std::string_view code;        // word 41, else 71
    std::string_view information; // the first information or attribute word that is not empty

    bool hasCoordinates() const { return easting || northing; }
    bool hasTargetWords() const {
        return easting || northing || height || horizontalAngle || verticalAngle || slopeDistance ||
               horizontalDistance || heightDifference;
    }
    bool hasStationWords() const {
        return stationEasting || stationNorthing || stationHeight || instrumentHeight;
    }
};

// Reads a block whose lengths are wanted in `unit` (0..5, as UnitSettings::unit). Nothing
// when the line is not a well-formed block: a word cut short, an unknown sign, a value that is
// not digits, a unit that does not fit its word, minutes or seconds of 60 and more. The
// texts of the block point into `line`.
std::optional<GsiBlock> readGsiBlock(std::string_view line, int unit);

// Whether a text looks like GSI: its first word has the form of one.
bool looksLikeGsi(std::string_view line);

} // namespace zorvane
