#pragma once
// Reading a file that came from outside: only regular files (a pipe or a device is refused
// rather than waited on), never more than the caller can use, and the cost bounded by what the
// file really holds rather than by the size the system reports.
#include "files/ProgressMeter.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace zorvane {

class FileReadError : public std::runtime_error {
  public:
    FileReadError(const std::string& message, int errorCode)
        : std::runtime_error(message), errorCode_(errorCode) {}
    int errorCode() const { return errorCode_; } // the system's errno value, 0 when none
  private:
    int errorCode_;
};

// The first `limit` bytes of the file (all of it when it is shorter). Throws FileReadError
// with a sentence naming the file. `progress` hears of the bytes read against the file's
// reported size, mapped onto [from, to]; nothing is returned when it asks to stop.
std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t limit,
                                         const ProgressCallback& progress = {}, double from = 0,
                                         double to = 1);

} // namespace zorvane
