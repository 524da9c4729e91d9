#include "files/ProgressMeter.h"

#include <algorithm>
#include <limits>

namespace zorvane {

ProgressMeter::ProgressMeter(const ProgressCallback& callback, std::size_t total, double from,
                             double to)
    : callback_(callback), total_(total), step_(std::max<std::size_t>(total / 256, 1)), from_(from),
      to_(to) {
    if (!callback_) next_ = std::numeric_limits<std::size_t>::max();
}

bool ProgressMeter::report(std::size_t done) {
    if (stopped_) return false;
    const double part = total_ ? static_cast<double>(std::min(done, total_)) / total_ : 1.0;
    if (!callback_(from_ + (to_ - from_) * part)) {
        stopped_ = true;
        next_ = std::numeric_limits<std::size_t>::max();
        return false;
    }
    next_ = done + step_;
    return true;
}

} // namespace zorvane
