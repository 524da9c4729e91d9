#pragma once
// Saving a file that holds the user's work: the new content goes to a temporary file in the
// target's folder, reaches the disk, and only then takes the target's name. A save that fails
// half-way (disk full, folder gone) leaves the previous file exactly as it was.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

namespace zorvane {

class FileWriteError : public std::runtime_error {
  public:
    FileWriteError(std::filesystem::path path, const std::string& message, int errorCode)
        : std::runtime_error(message), path_(std::move(path)), errorCode_(errorCode) {}
    const std::filesystem::path& path() const { return path_; }
    int errorCode() const { return errorCode_; } // the system's errno value
  private:
    std::filesystem::path path_;
    int errorCode_;
};

// Replaces (or creates) `target` with exactly `bytes`. A replaced file keeps its permissions,
// a write-protected one is refused, and a symbolic link stays a link while the file it names
// is replaced. Throws FileWriteError with the path and the system's reason; the temporary
// file is then removed and the target untouched.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

// The same, for content produced piece by piece: `produce` hands every piece to the sink it is
// given, in order, so a large file never has to be held in memory whole. An exception thrown
// by `produce` is passed on, with the same guarantee for the target.
using ByteSink = std::function<void(std::span<const std::uint8_t>)>;
void writeFileAtomically(const std::filesystem::path& target,
                         const std::function<void(const ByteSink&)>& produce);

} // namespace zorvane
