#pragma once
// A drawing that could not be written. Whatever failed (creating the file, a write in the
// middle, the final rename), the user is told the same thing: the seven-line message below,
// which lists the usual causes. The system's own reason is kept for those who need it.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zorvane {

// "Zorvane is unable to write to the file:", the file name, and five more lines, separated by
// a single CR (13), none after the last.
std::string dxfWriteErrorMessage(std::string_view fileName);

class DxfWriteError : public std::runtime_error {
  public:
    // what() is dxfWriteErrorMessage(target).
    DxfWriteError(const std::filesystem::path& target, std::string reason);
    const std::filesystem::path& target() const { return target_; }
    // The system's words, e.g. cannot write "...": No space left on device
    const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path target_;
    std::string reason_;
};

} // namespace zorvane
