#pragma once
// Prints the table as usual and keeps the time per iteration of each benchmark, by its name
// ("BM_Frame", "BM_WidePolyline/10000"), so that a benchmark prints its ratios from its own
// run's numbers. With repetitions the median is kept: the machine may be shared.
#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

class TimesReporter : public benchmark::ConsoleReporter {
  public:
    enum class Clock { Real, Cpu };
    explicit TimesReporter(Clock clock) : clock_(clock) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type != Run::RT_Iteration && !median) continue;
            const std::string& args = r.run_name.args;
            times_[r.run_name.function_name + (args.empty() ? "" : "/") + args] =
                clock_ == Clock::Real ? r.GetAdjustedRealTime() : r.GetAdjustedCPUTime();
        }
    }

    // In the benchmark's time unit; nothing for a benchmark that did not run.
    std::optional<double> time(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? std::nullopt : std::optional(it->second);
    }
    // time(a) / time(b), when both ran and b took any time.
    std::optional<double> ratio(const std::string& a, const std::string& b) const {
        const auto x = time(a), y = time(b);
        return x && y && *y > 0 ? std::optional(*x / *y) : std::nullopt;
    }
    const std::map<std::string, double>& times() const { return times_; }

  private:
    Clock clock_;
    std::map<std::string, double> times_;
};
