#include "files/ImportNumbering.h"

#include "text/IntegerText.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace zorvane {
namespace {

constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();

// Numbers nobody has: above every number in use first, then, should those run out, the gaps
// from the bottom. A case holds far fewer points than there are numbers, so one is found.
class FreeNumbers {
  public:
    FreeNumbers(std::vector<std::int32_t> used, std::int32_t lastBefore)
        : used_(std::move(used)),
          top_(std::max<std::int64_t>(lastBefore, used_.empty() ? kLowest : used_.back())),
          next_(top_ + 1), gap_(kLowest) {}

    std::int32_t take() {
        if (next_ <= kHighest) return static_cast<std::int32_t>(next_++);
        auto at = std::lower_bound(used_.begin(), used_.end(), gap_);
        while (at != used_.end() && *at == gap_) ++gap_, ++at;
        return static_cast<std::int32_t>(gap_++);
    }

  private:
    std::vector<std::int32_t> used_; // sorted, distinct
    std::int64_t top_, next_, gap_;
};

} // namespace

std::int32_t lastNumberOfNewCase(const ProgramOptions& program) {
    const std::int64_t last = std::int64_t{program.firstPointNumber} - 1;
    return static_cast<std::int32_t>(std::max(last, kLowest));
}

std::optional<std::int32_t> wholePointNumber(std::string_view id) {
    return parseInteger(id);
}

void ImportNumbering::number(PointRecord& point, std::string_view id, std::size_t index) {
    if (const auto n = wholePointNumber(id)) {
        point.number = *n;
        return;
    }
    point.number = 0;
    point.code = id;
    numberLater(index);
}

std::int32_t ImportNumbering::finish(PointTable& points) {
    // (number, index) of the numbered points: after sorting, a number's first point keeps it.
    std::vector<std::pair<std::int32_t, std::uint32_t>> numbered;
    numbered.reserve(points.size() - waiting_.size());
    auto waiting = waiting_.begin();
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (waiting != waiting_.end() && *waiting == i) {
            ++waiting;
            continue;
        }
        numbered.emplace_back(points[i].number, static_cast<std::uint32_t>(i));
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::int32_t> used;
    used.reserve(numbered.size());
    for (std::size_t k = 0; k < numbered.size(); ++k) {
        const auto [n, i] = numbered[k];
        if (k > 0 && numbered[k - 1].first == n) {
            points.edit(i).code = std::to_string(n);
            waiting_.push_back(i);
        } else {
            used.push_back(n);
        }
    }
    std::sort(waiting_.begin(), waiting_.end());

    std::int64_t last = std::max<std::int64_t>(lastBefore_, used.empty() ? kLowest : used.back());
    FreeNumbers free(std::move(used), lastBefore_);
    for (const std::uint32_t i : waiting_) {
        const std::int32_t n = free.take();
        points.edit(i).number = n;
        last = std::max<std::int64_t>(last, n);
    }
    waiting_.clear();
    return static_cast<std::int32_t>(last);
}

} // namespace zorvane
