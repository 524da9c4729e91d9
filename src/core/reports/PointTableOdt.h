#pragma once
// The table of the points as a small OpenDocument text of its own, for an office to insert at
// a place of a document in one step: a text table named "tb5" of the grid's rows and columns,
// titles in a heading row repeated on every page, drawn like the Word report's table, then
// one paragraph. Its paragraphs use the styles "Table Heading", "Table Contents" and "After
// Table" by name: the document it goes into lends its own.
#include "reports/ReportContent.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zorvane {

inline constexpr const char* kPointTableName = "tb5";

// The package (ZIP). Throws ReportError when it cannot be put together.
std::vector<std::uint8_t> pointTableOdt(const ReportContent& content);

// Its content part.
std::string pointTableContentXml(const ReportContent& content);

} // namespace zorvane
