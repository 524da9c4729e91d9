#pragma once
// Recognising UTF-8 in text that came from outside, to tell it from Windows-1252.
#include <string_view>

namespace zorvane {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut at the end. Plain ASCII is valid.
bool isValidUtf8(std::string_view text);

// Whether any byte is 0x80 or above (pure ASCII reads the same in UTF-8 and Windows-1252).
bool hasNonAscii(std::string_view text);

} // namespace zorvane
