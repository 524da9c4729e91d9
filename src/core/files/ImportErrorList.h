#pragma once
// The lines of an imported file that could not be read, as the " Import Errors" window lists
// them: the line number, ". ", the trimmed line. A hostile file cannot make the list huge: each
// entry keeps the start of its line, and past a limit one closing entry counts the rest.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// The error list names this many lines; one more entry then gives the count of the rest.
inline constexpr std::size_t kMaxListedImportErrors = 100'000;
// An error entry shows this many characters of its line, then "...".
inline constexpr std::size_t kMaxErrorLineLength = 1'000;

class ImportErrorList {
  public:
    void add(std::size_t lineNumber, std::string_view line);

    std::size_t rejectedLines() const { return rejected_; } // all of them, listed or not
    std::vector<std::string> take() { return std::move(entries_); }

  private:
    std::vector<std::string> entries_;
    std::size_t rejected_ = 0;
};

} // namespace zorvane
