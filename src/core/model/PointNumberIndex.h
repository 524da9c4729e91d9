#pragma once
// Where each point number first occurs in the point table, for the numbers in a given span,
// built from the sorted numbers each chunk of the table keeps (sorted once, until the chunk
// changes). Consecutive numbers are kept together as runs, so a range "5-900" is checked with
// one search and its rows are read in order after it: the cost follows the points that exist,
// never the numbers a text names.
#include "model/PointRecord.h"

#include <cstdint>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace zorvane {

class PointNumberIndex {
  public:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

    PointNumberIndex() = default;
    // The first `count` points of the table, those numbered low..high.
    PointNumberIndex(const PointTable& points, std::size_t count, std::int32_t low,
                     std::int32_t high);

    // Row of the first point with this number, kNone when there is none.
    std::size_t find(std::int32_t number) const;
    // The rows of the numbers low..high in ascending number order when every one of them has a
    // point, otherwise an empty span (low <= high).
    std::span<const std::uint32_t> rows(std::int32_t low, std::int32_t high) const;

  private:
    // Numbers first..last, all present, their rows from rows_[offset] on.
    struct Run {
        std::int32_t first, last;
        std::size_t offset;
    };
    // The part of one chunk's sorted (number, offset) list that falls in the span.
    struct Slice {
        std::size_t first; // row of the chunk's first record
        std::span<const std::pair<std::int32_t, std::uint32_t>> numbers;
    };
    const Run* runOf(std::int32_t number) const;
    void addRun(std::int32_t first, std::int32_t last);
    void fromDense(const std::vector<Slice>& slices, std::size_t count, std::int32_t low,
                   std::int32_t high);
    void fromSorted(const std::vector<Slice>& slices, std::size_t count);

    std::vector<Run> runs_; // ascending, neither overlapping nor touching
    std::vector<std::uint32_t> rows_;
};

} // namespace zorvane
