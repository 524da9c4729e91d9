#include "model/PointNumberIndex.h"

#include <gtest/gtest.h>

#include <vector>

namespace zorvane {
namespace {

PointTable numbered(const std::vector<std::int32_t>& numbers) {
    PointTable t;
    for (const std::int32_t n : numbers) {
        PointRecord p;
        p.number = n;
        t.push_back(p);
    }
    return t;
}

std::vector<std::uint32_t> rowsOf(const PointNumberIndex& index, std::int32_t low,
                                  std::int32_t high) {
    const auto rows = index.rows(low, high);
    return {rows.begin(), rows.end()};
}

constexpr std::size_t kNone = PointNumberIndex::kNone;
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Dense numbers (a slot per number) and sparse ones (sorted) must answer alike.
TEST(PointNumberIndex, FirstRowOfEachNumberAndRunsOfConsecutiveNumbers) {
    for (const std::int32_t spread : {1, 100000}) {
        auto n = [&](std::int32_t k) { return k * spread; };
        // rows:                  0     1     2     3     4     5     6     7
        const PointTable points = numbered({n(5), n(3), n(4), n(3), n(9), n(6), n(-1), n(10)});
        const PointNumberIndex index(points, points.size(), kMin, kMax);
        const std::pair<std::int32_t, std::size_t> found[] = {
            {n(3), 1},  {n(4), 2},     {n(5), 0},     {n(6), 5},     {n(9), 4},      {n(10), 7},
            {n(-1), 6}, {n(7), kNone}, {n(0), kNone}, {n(2), kNone}, {n(11), kNone}, {kMin, kNone},
        };
        for (const auto& [number, row] : found) EXPECT_EQ(index.find(number), row) << number;
        if (spread == 1) {
            EXPECT_EQ(rowsOf(index, 3, 6), (std::vector<std::uint32_t>{1, 2, 0, 5}));
            EXPECT_EQ(rowsOf(index, 9, 10), (std::vector<std::uint32_t>{4, 7}));
            EXPECT_EQ(rowsOf(index, 5, 5), (std::vector<std::uint32_t>{0}));
            for (const auto& [low, high] : {std::pair{3, 7}, {2, 4}, {6, 9}, {-1, 0}, {11, 12}})
                EXPECT_TRUE(index.rows(low, high).empty()) << low << "-" << high;
        } else {
            EXPECT_EQ(rowsOf(index, n(3), n(3)), (std::vector<std::uint32_t>{1}));
            EXPECT_TRUE(index.rows(n(3), n(4)).empty());
        }
    }
}

TEST(PointNumberIndex, OnlyTheGivenSpanAndCount) {
    const PointTable points = numbered({1, 2, 3, 4, 5, 2});
    const PointNumberIndex index(points, 4, 2, 9); // the first four points, numbers 2..9
    EXPECT_EQ(index.find(1), kNone);
    EXPECT_EQ(index.find(2), 1u);
    EXPECT_EQ(index.find(5), kNone);
    EXPECT_EQ(rowsOf(index, 2, 4), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(PointNumberIndex().find(0), kNone);
    EXPECT_TRUE(PointNumberIndex().rows(0, 0).empty());
}

TEST(PointNumberIndex, ExtremeNumbers) {
    const PointTable points = numbered({kMax, kMin, kMax - 1, kMin + 1, 0});
    const PointNumberIndex index(points, points.size(), kMin, kMax);
    EXPECT_EQ(rowsOf(index, kMax - 1, kMax), (std::vector<std::uint32_t>{2, 0}));
    EXPECT_EQ(rowsOf(index, kMin, kMin + 1), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_TRUE(index.rows(kMin, kMax).empty());
    EXPECT_EQ(index.find(0), 4u);
}

// A big case numbered 1..n with one point deleted: a range is one search, not one per number.
TEST(PointNumberIndex, BigCaseWithAGap) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t k = 1; k <= 300000; ++k)
        if (k != 123456) numbers.push_back(k);
    const PointTable points = numbered(numbers);
    const PointNumberIndex index(points, points.size(), 1, 1048576);
    EXPECT_EQ(index.rows(1, 123455).size(), 123455u);
    EXPECT_TRUE(index.rows(1, 1048576).empty());
    EXPECT_EQ(index.rows(123457, 300000).front(), 123455u);
    EXPECT_EQ(index.find(300000), 299998u);
}

} // namespace
} // namespace zorvane
