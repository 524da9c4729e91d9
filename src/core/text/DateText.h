#pragma once
// Dates as the incident record keeps them: two digits, slash, two digits, slash, four digits,
// with day and month in the order the user's own short date format puts them.
#include <string>
#include <string_view>

namespace zorvane {

// "dd/MM/yyyy" or "MM/dd/yyyy" filled with the date. `shortFormat` is the user's short date
// pattern ("M/d/yy", "dd.MM.yy", ...: d day, M month, y year, quoted text ignored). The year
// always comes last, so a pattern that starts with the year reads day first.
std::string shortDateText(std::string_view shortFormat, int year, int month, int day);

} // namespace zorvane
