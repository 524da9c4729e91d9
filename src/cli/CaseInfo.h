#pragma once
// What "zorvane-cli info" tells about a case, as lines for people or one JSON object.
#include "model/CaseData.h"

#include <string>

namespace zorvane::cli {

// "XYZ", "Polar", "NESW".
std::string_view modeName(CaseMode mode);

// One "Name: value" line each; lengths in the case's unit as the program shows them.
std::string caseInfoText(const CaseData& data, char decimalSeparator);

// The same facts as one JSON object (texts in UTF-8, lengths as plain numbers, extents null
// for a case without points).
std::string caseInfoJson(const CaseData& data);

// A JSON string literal of a UTF-8 text, quotes included.
std::string jsonString(std::string_view utf8);

} // namespace zorvane::cli
