#pragma once
// Reading and writing the XML parts of a package with pugixml, so that what we do not touch
// comes out as it went in (whitespace-only text is kept: it can be a visible space). The
// declaration is always written afresh as UTF-8, whatever encoding the part came in.
#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace zorvane {

// Parses `bytes`; throws ReportError "<label> is damaged: its part \"<part>\" is not valid XML
// (<reason>)." when it cannot.
void loadXmlPart(pugi::xml_document& doc, const std::string& bytes, const std::string& label,
                 std::string_view part);

// UTF-8 with the standalone declaration Office writes, no added indentation.
std::string saveXmlPart(const pugi::xml_document& doc);

// The name after the prefix: "w:tbl" -> "tbl".
std::string_view localName(const pugi::xml_node& node);

// The prefix bound to `uri` on `root` ("w:" for xmlns:w, "" for a default namespace), or none.
bool findPrefix(const pugi::xml_node& root, std::string_view uri, std::string& prefix);

// Text safe for XML 1.0: invalid UTF-8 becomes U+FFFD, characters XML forbids are dropped
// (C0 controls but tab and line feed, U+FFFE, U+FFFF and unpaired surrogates).
std::string xmlSafeText(std::string_view utf8);

} // namespace zorvane
