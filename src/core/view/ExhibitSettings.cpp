#include "view/ExhibitSettings.h"

#include "model/UnitSettings.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

#include <utility>

namespace zorvane {

SheetSize sheetSize(Paper paper, Orientation orientation) {
    SheetSize s;
    switch (paper) {
    case Paper::A4:
        s = {2100, 2970};
        break;
    case Paper::A3:
        s = {2970, 4200};
        break;
    case Paper::Letter:
        s = {2159, 2794};
        break; // 8.5 x 11 inches
    }
    if (orientation == Orientation::Landscape) std::swap(s.width, s.height);
    return s;
}

std::string_view paperName(Paper paper) {
    switch (paper) {
    case Paper::A4:
        return "A4";
    case Paper::A3:
        return "A3";
    case Paper::Letter:
        return "Letter";
    }
    return "A4";
}

std::optional<Paper> parsePaper(std::string_view text) {
    for (Paper p : {Paper::A4, Paper::A3, Paper::Letter})
        if (equalsIgnoreCase(text, paperName(p))) return p;
    return std::nullopt;
}

std::string_view orientationName(Orientation orientation) {
    return orientation == Orientation::Portrait ? "portrait" : "landscape";
}

std::optional<Orientation> parseOrientation(std::string_view text) {
    for (Orientation o : {Orientation::Portrait, Orientation::Landscape})
        if (equalsIgnoreCase(text, orientationName(o))) return o;
    return std::nullopt;
}

std::optional<std::int32_t> parseScale(std::string_view text) {
    text = trimmed(text);
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        if (trimmed(text.substr(0, colon)) != "1") return std::nullopt;
        text = trimmed(text.substr(colon + 1));
    }
    // Only digits: parseInteger would also take a sign.
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto n = parseInteger(text);
    if (!n || *n < 1 || *n > kMaxScale) return std::nullopt;
    return n;
}

std::string scaleText(std::int32_t scale) {
    return "1:" + std::to_string(scale);
}

double millimetresPerUnit(std::int32_t unit) {
    switch (clampUnit(unit)) {
    case kMeter:
        return 1000.0;
    case kCentimeter:
        return 10.0;
    case kMillimeter:
        return 1.0;
    case kInches:
        return 25.4;
    default:
        return 304.8; // Decimal Feet, and Feet & Inches, which stores feet
    }
}

} // namespace zorvane
