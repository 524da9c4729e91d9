#pragma once
// Why a command stopped, with the exit status it gives: 2 for a command line that cannot be
// run as written, 1 for an input file that is refused or an output that cannot be written.
#include <stdexcept>
#include <string>

namespace zorvane::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CliError : public std::runtime_error {
  public:
    CliError(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

    static CliError usage(const std::string& message) { return {kExitUsage, message}; }
    static CliError refused(const std::string& message) { return {kExitFailure, message}; }

  private:
    int status_;
};

} // namespace zorvane::cli
