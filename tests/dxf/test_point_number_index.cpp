// The first point with a number, found through the index as a scan of the table would.
#include "dxf/PointNumberIndex.h"

#include <gtest/gtest.h>

#include <climits>

namespace zorvane {
namespace {

TEST(PointNumberIndex, FindsTheFirstPointWithANumberAsAScanWould) {
    const std::vector<std::vector<std::int32_t>> tables = {
        {},
        {5, 3, 5, 9, 3},                       // close together: a table over the range
        {1, 1000000, -7, 1000000, INT_MIN, 1}, // far apart: sorted pairs
        {INT_MAX, INT_MIN, INT_MAX},
    };
    for (const auto& numbers : tables) {
        PointTable points;
        for (std::int32_t n : numbers) points.push_back({n, 0, 0, 0, {}, {}, 0});
        const PointNumberIndex index(points);
        for (std::int32_t n : {0, 1, 3, 5, 9, 4, -7, 1000000, 999999, INT_MIN, INT_MAX})
            EXPECT_EQ(findPoint(points, n), index.find(n))
                << n << " in a table of " << numbers.size();
    }
}

} // namespace
} // namespace zorvane
