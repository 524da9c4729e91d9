#pragma once
// Reads what an investigator types off a tape into a length field in the Feet & Inches unit:
// feet and inch marks, inch fractions, plain numbers, sums and differences. Always returns a
// number of feet; never fails. The decimal point is always a full stop.
#include <string_view>

namespace zorvane {

double parseLength(std::string_view text);

// Building blocks, exposed for tests.
double readNumber(std::string_view text);    // leading numeric part; empty or out of range reads 0
int readInt(std::string_view text);          // leading integer part; empty reads 0, saturates
double parseInches(std::string_view text);   // inches text -> feet
double parseFraction(std::string_view text); // "a/b" with optional whole inches -> feet

} // namespace zorvane
