#pragma once
#include <stdexcept>

namespace zorvane {

// A report that cannot be made: a missing or damaged template, an unreadable drawing, a
// document that cannot be written. what() is a sentence for the user.
class ReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace zorvane
