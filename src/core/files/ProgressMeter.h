#pragma once
// Long file work (imports, exports of large cases) tells the window how far it has come and
// stops when the user asks it to.
#include <cstddef>
#include <functional>

namespace zorvane {

// Called with the fraction done, 0 to 1; returning false asks the work to stop. An empty
// callback lets the work run to its end.
using ProgressCallback = std::function<bool(double fraction)>;

// Calls the callback about 256 times over `total` units of work, so that a tight loop can ask
// after every unit for the price of a comparison. The fractions are mapped onto [from, to] so
// that the steps of one job (reading, then parsing) share one bar.
class ProgressMeter {
  public:
    ProgressMeter(const ProgressCallback& callback, std::size_t total, double from = 0,
                  double to = 1);

    // False once the callback has asked to stop; it is not asked again after that.
    bool update(std::size_t done) { return done < next_ ? !stopped_ : report(done); }
    // Reports the end of the range (the work is done); false when asked to stop there.
    bool finish() { return callback_ && !stopped_ ? report(total_) : !stopped_; }
    bool stopped() const { return stopped_; }

  private:
    bool report(std::size_t done);

    const ProgressCallback& callback_;
    std::size_t total_;
    std::size_t step_;
    std::size_t next_ = 0;
    double from_, to_;
    bool stopped_ = false;
};

} // namespace zorvane
