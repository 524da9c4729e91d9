#pragma once
// The points text of a polyline or arc: point numbers and ranges separated by commas,
// "1, 2, 5-9". Entries stay texts until they are used, so a stray word in the list only
// fails where a number is needed; range bounds are read at once.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// "'12a' is not a valid integer value"
class InvalidIntegerError : public std::runtime_error {
  public:
    explicit InvalidIntegerError(std::string_view text);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// A points text expands to at most this many entries. "1-2000000000" fits in the field but
// names far more points than any case holds, so such a list always names a missing point.
inline constexpr std::size_t kMaxPointListEntries = std::size_t{1} << 20;

class PointListTooLongError : public std::runtime_error {
  public:
    PointListTooLongError();
};

// One part of a points text: a single entry, kept as its text, or a range of numbers.
struct PointListPart {
    std::string_view entry; // the trimmed text of a single entry; empty for a range
    bool range = false;
    std::int32_t low = 0, high = 0; // a range's bounds, low <= high

    std::uint64_t entries() const {
        return range ? static_cast<std::uint64_t>(std::int64_t{high} - low) + 1 : 1;
    }
};

// The parts of the text in order, ranges not expanded; the views point into `text`.
// Throws InvalidIntegerError for a range bound that is not an integer (leading blanks and a
// sign allowed, nothing else) and PointListTooLongError when the parts add up to more than
// kMaxPointListEntries entries, whichever comes first in the text.
std::vector<PointListPart> pointListParts(std::string_view text);

// Parts split at ",", trimmed, empty parts skipped; "p-q" expands to every number from
// min(p, q) to max(p, q) in ascending order; order and repeats are kept. Throws as
// pointListParts does. The expanded list can be large: the plan never builds it.
std::vector<std::string> parsePointList(std::string_view text);

// The integer value of one entry, read like a range bound. Throws InvalidIntegerError.
std::int32_t pointListEntryValue(std::string_view entry);
// The same without throwing: false when the entry is not an integer.
bool readPointListEntry(std::string_view entry, std::int32_t& value);

// parsePointList followed by pointListEntryValue of every entry, without building texts.
// A bad range bound is reported before a bad entry, as the two steps would.
std::vector<std::int32_t> parsePointNumbers(std::string_view text);

} // namespace zorvane
