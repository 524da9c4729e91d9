#pragma once
// The first point of the table with a given number, found without scanning the table: a
// polyline export looks up every vertex, and a big case has a million points.
#include "model/PointRecord.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zorvane {

class PointNumberIndex {
  public:
    explicit PointNumberIndex(const PointTable& points);

    // Table index of the first point with this number, as findPoint gives it.
    std::optional<std::size_t> find(std::int32_t number) const;

  private:
    // Numbers are usually close together: a table over their range. Otherwise sorted pairs.
    std::int64_t low_ = 0;
    std::vector<std::uint32_t> dense_; // index + 1; 0 when no point has the number
    std::vector<std::pair<std::int32_t, std::uint32_t>> sorted_;
};

} // namespace zorvane
