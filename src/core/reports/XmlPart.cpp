#include "reports/XmlPart.h"

#include "reports/ReportError.h"

#include <cstring>
#include <sstream>

namespace zorvane {
namespace {

constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata;

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, std::size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
};

// Length of the UTF-8 sequence at `s[i]` and its code point; 0 when invalid.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80             ? 1
                    : (b & 0xE0) == 0xC0 ? 2
                    : (b & 0xF0) == 0xE0 ? 3
                    : (b & 0xF8) == 0xF0 ? 4
                                         : 0;
    if (n == 0 || i + n > s.size()) return 0;
    cp = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF) return 0; // overlong or out of range
    return n;
}

bool allowedInXml(char32_t cp) {
    if (cp < 0x20) return cp == '\t' || cp == '\n';
    if (cp >= 0xD800 && cp <= 0xDFFF) return false;
    return cp != 0xFFFE && cp != 0xFFFF;
}

} // namespace

void loadXmlPart(pugi::xml_document& doc, const std::string& bytes, const std::string& label,
                 std::string_view part) {
    const pugi::xml_parse_result r = doc.load_buffer(bytes.data(), bytes.size(), kParseFlags);
    if (!r || !doc.document_element()) {
        std::ostringstream msg;
        msg << label << " is damaged: its part \"" << part << "\" is not valid XML ("
            << (r ? "no root element" : r.description()) << " at byte " << r.offset << ").";
        throw ReportError(msg.str());
    }
}

std::string saveXmlPart(const pugi::xml_document& doc) {
    StringWriter w;
    w.out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
    doc.save(w, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(w.out);
}

std::string_view localName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool findPrefix(const pugi::xml_node& root, std::string_view uri, std::string& prefix) {
    for (const pugi::xml_attribute& a : root.attributes()) {
        const std::string_view name = a.name();
        if (a.value() != uri) continue;
        if (name == "xmlns") {
            prefix.clear();
            return true;
        }
        if (name.starts_with("xmlns:")) {
            prefix = std::string(name.substr(6)) + ":";
            return true;
        }
    }
    return false;
}

std::string xmlSafeText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp = 0;
        const std::size_t n = decodeUtf8(s, i, cp);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        if (allowedInXml(cp)) out.append(s.substr(i, n));
        i += n;
    }
    return out;
}

} // namespace zorvane
