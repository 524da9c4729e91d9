#pragma once
// Stored texts are Windows-1252 bytes. These helpers convert at the edges (the UI works in
// UTF-8) and compare texts the way a user expects: letter case ignored, accents kept.
#include <string>
#include <string_view>

namespace zorvane {

// Characters with no cp1252 byte become '?'; invalid UTF-8 bytes too.
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view cp1252);

// Lower case of one cp1252 byte (ASCII, Latin-1 letters and the three cp1252 pairs).
char cp1252Lower(char c);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Spaces and control characters, which Trim removes from edit fields.
constexpr bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Removes leading and trailing blanks. Inline: the importer trims every field of every line.
inline std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace zorvane
