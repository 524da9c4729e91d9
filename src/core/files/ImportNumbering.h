#pragma once
// Point numbers for a case read from an instrument's or another program's file. Those files
// name points by identifiers: a whole number stays the point's number; any other identifier
// ("H66"), and a number a point before it already has, gets the next free number and is kept
// as the point's code, so that nothing measured is dropped and the field name is still there.
#include "model/PointRecord.h"
#include "model/ProgramOptions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zorvane {

// A new case starts with last point number = first point number - 1.
std::int32_t lastNumberOfNewCase(const ProgramOptions& program);

// The number an identifier stands for: a whole number that fits, blanks around allowed.
std::optional<std::int32_t> wholePointNumber(std::string_view id);

class ImportNumbering {
  public:
    explicit ImportNumbering(std::int32_t lastPointNumber) : lastBefore_(lastPointNumber) {}

    // Numbers `point`, the table's next record, from `id`; an identifier that is not a whole
    // number becomes the code and the number is given by finish().
    void number(PointRecord& point, std::string_view id, std::size_t index);
    // A point without an identifier: finish() numbers it, its code stays.
    void numberLater(std::size_t index) { waiting_.push_back(static_cast<std::uint32_t>(index)); }
    // Gives the waiting points and every point whose number an earlier point has the free
    // numbers above all others, in file order. Returns the case's last point number.
    std::int32_t finish(PointTable& points);

  private:
    std::int32_t lastBefore_;
    std::vector<std::uint32_t> waiting_; // table indexes, ascending
};

} // namespace zorvane
