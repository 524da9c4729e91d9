#include "view/LegendText.h"

#include "text/IntegerText.h"

namespace zorvane {

std::vector<std::string> legendMemoLines(const LegendRecord& legend) {
    std::vector<std::string> lines;
    for (const auto& line : legend.lines)
        if (!line.empty()) lines.push_back(line.str());
    return lines;
}

void setLegendLines(LegendRecord& legend, const std::vector<std::string>& memoLines) {
    for (std::size_t k = 0; k < legend.lines.size(); ++k)
        legend.lines[k] =
            k < memoLines.size() ? std::string_view(memoLines[k]) : std::string_view();
}

PositionField legendPositionField(std::string_view text) {
    const auto v = parseInteger(text);
    if (!v) return {0, "0"};
    return {*v, std::to_string(*v)};
}

} // namespace zorvane
