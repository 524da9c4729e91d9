#pragma once
// The legend dialog's rules for its memo and its position fields. Texts are cp1252.
#include "model/LegendRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

// The memo holds at most this many characters in all.
inline constexpr std::size_t kLegendMemoLimit = 500;

// The non-empty legend lines in order: what the memo shows.
std::vector<std::string> legendMemoLines(const LegendRecord& legend);

// Legend line k from memo line k (cut to 50 characters) for k = 0 to 9; missing memo lines
// give empty lines and lines after the tenth are ignored.
void setLegendLines(LegendRecord& legend, const std::vector<std::string>& memoLines);

// A Left or Top field after a change: its integer and the text it is written back as (plain
// decimal), or 0 and "0" when the text is not an integer.
struct PositionField {
    std::int32_t value = 0;
    std::string text;
};
PositionField legendPositionField(std::string_view text);

} // namespace zorvane
