#pragma once
// The first point of the table with a given number, found without scanning the table: a
// polyline export looks up every vertex, and a big case has a million points.
#include "model/PointRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace zorvane {

class PointNumberIndex {
  public:
    explicit PointNumberIndex(const PointTable& points);
    // From the numbers of the table's points, in table order: a pass that already reads every
    // point collects them for a fraction of what reading the whole records again costs.
    explicit PointNumberIndex(std::span<const std::int32_t> numbers);

    // Table index of the first point with this number, as findPoint gives it.
    std::optional<std::size_t> find(std::int32_t number) const;

  private:
    // Numbers are usually close together: a table over their range. Otherwise sorted pairs.
    std::int64_t low_ = 0;
    std::vector<std::uint32_t> dense_; // index + 1; 0 when no point has the number
    std::vector<std::pair<std::int32_t, std::uint32_t>> sorted_;
};

} // namespace zorvane
