#pragma once
// Helpers shared by the Tessaline suites: reading a written drawing back.
#include "tessaline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline_test {

constexpr std::size_t kTemplateSize = 5037;

inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines joined with CR LF, each one ended.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return text;
}

inline std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// The value lines that follow each line equal to `code` (" 10", " 5", ...).
inline std::vector<std::string> valuesOf(std::string_view body, std::string_view code) {
    std::vector<std::string> lines = splitLines(body), values;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        if (lines[i] == code) values.push_back(lines[i + 1]);
    return values;
}

// What a finished drawing holds after the header template, without the tables' end, the
// ENTITIES start (8 lines) and the final 4 lines. Empty (and a test failure) when the
// drawing does not have that frame.
inline std::string entitiesOf(const std::string& bytes) {
    const std::string tablesEnd =
        crlf({" 0", "ENDTAB", " 0", "ENDSEC", " 0", "SECTION", " 2", "ENTITIES"});
    const std::string fileEnd = crlf({" 0", "ENDSEC", " 0", "EOF"});
    std::size_t start = kTemplateSize + tablesEnd.size();
    if (bytes.size() < start + fileEnd.size() ||
        bytes.compare(kTemplateSize, tablesEnd.size(), tablesEnd) != 0 ||
        bytes.compare(bytes.size() - fileEnd.size(), fileEnd.size(), fileEnd) != 0)
        return {};
    return bytes.substr(start, bytes.size() - fileEnd.size() - start);
}

// Writes a drawing without layers whose entities come from `body`, and returns them.
template <class Body> std::string writeEntities(const std::filesystem::path& file, Body body) {
    EXPECT_EQ(TESSALINE_OK, StartDXF(file.c_str(), nullptr)) << TessalineLastError();
    EXPECT_EQ(TESSALINE_OK, EndDXFTabAndSection());
    body();
    EXPECT_EQ(TESSALINE_OK, EndDXF()) << TessalineLastError();
    std::string entities = entitiesOf(readBytes(file));
    EXPECT_FALSE(entities.empty()) << "the drawing lacks its frame";
    return entities;
}

} // namespace tessaline_test
