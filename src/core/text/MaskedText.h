#pragma once
// Texts of fields typed through a fixed layout (a date "99/99/9999", an hour "99:99"): digit
// positions and the separators between them.
#include <string>
#include <string_view>

namespace zorvane {

// The text in the layout's exact form: each group of digits between the separators is put at
// the right of its positions with blanks before it, an empty group is all blanks. So "9 :30"
// in "99:99" is " 9:30", and "5/6/2024" in "99/99/9999" is " 5/ 6/2024". In the layout '9'
// marks a digit position, anything else a separator. A text that does not split into the
// layout's groups of digits is returned unchanged.
std::string alignToMask(std::string_view text, std::string_view layout);

} // namespace zorvane
