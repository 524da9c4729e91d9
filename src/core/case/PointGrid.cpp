#include "case/PointGrid.h"

#include "units/LengthFormatter.h"

#include <array>

namespace zorvane {
namespace {

constexpr std::array<std::string_view, 6> kXyzTitles = {"Number",     "Measure. X",  "Measure. Y",
                                                        "Measure. Z", "Description", "Code"};
constexpr std::array<std::string_view, 6> kPolarTitles = {"Number",    "Compass d\xB0", "M. Length",
                                                          "M. Height", "Description",   "Code"};
constexpr std::array<std::string_view, 8> kNeswTitles = {
    "Number", "North", "East", "South", "West", "Elevation", "Description", "Code"};
constexpr std::array<int, 5> kPlistWidths = {42, 90, 90, 90, 145};
constexpr std::array<int, 7> kPlist2Widths = {42, 65, 65, 65, 65, 65, 90};

double valueOf(const PointRecord& p, int col) {
    switch (col) {
    case 1:
        return p.m1;
    case 2:
        return p.m2;
    case 3:
        return p.m3;
    case 4:
        return p.m4;
    default:
        return p.m5;
    }
}

// Lengths in the units, the bearing always fixed.
std::string formatGridValue(double value, bool fixed, const UnitSettings& units, char separator) {
    return fixed ? formatFixed(value, units.decimals, separator)
                 : formatLength(value, units, separator);
}

} // namespace

std::span<const std::string_view> PointGrid::titles(CaseMode mode) {
    switch (mode) {
    case CaseMode::Polar:
        return kPolarTitles;
    case CaseMode::Nesw:
        return kNeswTitles;
    default:
        return kXyzTitles;
    }
}

std::span<const int> PointGrid::columnWidths(CaseMode mode) {
    if (mode == CaseMode::Nesw) return kPlist2Widths;
    return kPlistWidths;
}

std::string PointGrid::cell(const PointTable& points, CaseMode mode, int row, int col) const {
    const int cols = columnCount(mode);
    if (row < 0 || col < 0 || col >= cols) return {};
    if (row == 0) return std::string(titles(mode)[static_cast<std::size_t>(col)]);
    if (static_cast<std::size_t>(row) > points.size()) return {}; // the new-point row
    if (auto it = written_.find(row); it != written_.end())
        return static_cast<std::size_t>(col) < it->second.size()
                   ? it->second[static_cast<std::size_t>(col)]
                   : std::string();
    const PointRecord& p = points[static_cast<std::size_t>(row - 1)];
    if (col == 0) return std::to_string(p.number);
    if (col == descriptorColumn(mode)) return p.descriptor.str();
    if (col == codeColumn(mode)) return p.code.str();
    return formatGridValue(valueOf(p, col), fixed_ || (mode == CaseMode::Polar && col == 1), units_,
                           separator_);
}

void PointGrid::rebuild(const UnitSettings& units, char decimalSeparator, bool fixedInEveryUnit) {
    units_ = units;
    separator_ = decimalSeparator;
    fixed_ = fixedInEveryUnit;
    written_.clear();
}

void PointGrid::setRow(int row, std::vector<std::string> cells) {
    written_[row] = std::move(cells);
}

} // namespace zorvane
