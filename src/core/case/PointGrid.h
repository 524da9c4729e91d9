#pragma once
// The texts of the point grids plist (XYZ, Polar) and plist2 (NESW). Row 0 holds the titles,
// row i the point at table index i - 1, and the last row is always the empty new-point row.
// Rows rebuilt from the table are formatted on demand with the units of the last rebuild;
// rows written by point entry keep the texts the fields held.
#include "model/PointRecord.h"
#include "model/UnitSettings.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorvane {

class PointGrid {
  public:
    static int columnCount(CaseMode mode) { return mode == CaseMode::Nesw ? 8 : 6; }
    static std::span<const std::string_view> titles(CaseMode mode);
    static int descriptorColumn(CaseMode mode) { return mode == CaseMode::Nesw ? 6 : 4; }
    static int codeColumn(CaseMode mode) { return mode == CaseMode::Nesw ? 7 : 5; }
    static std::span<const int> columnWidths(CaseMode mode);

    // Number of rows for a table of n points: titles + n + new-point row.
    static int rowCount(std::size_t n) { return static_cast<int>(n) + 2; }

    // Cell text; rows and columns out of range give "".
    std::string cell(const PointTable& points, CaseMode mode, int row, int col) const;

    // Forgets written rows; every point row is formatted afresh with these units. With
    // `fixedInEveryUnit` lengths are fixed-point also in Feet & Inches, as an import writes them.
    void rebuild(const UnitSettings& units, char decimalSeparator, bool fixedInEveryUnit = false);
    // Keeps the texts of a row written by point entry.
    void setRow(int row, std::vector<std::string> cells);

    int selectedRow = 1;

  private:
    UnitSettings units_;
    char separator_ = '.';
    bool fixed_ = false;
    std::unordered_map<int, std::vector<std::string>> written_;
};

} // namespace zorvane
