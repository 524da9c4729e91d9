#include "cli/CaseInfo.h"

#include "text/Cp1252.h"
#include "units/LengthFormatter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zorvane::cli {
namespace {

std::string number(double v) {
    if (!std::isfinite(v)) return "null"; // JSON has no infinities
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

std::string utf8(std::string_view cp1252) {
    return cp1252ToUtf8(cp1252);
}

} // namespace

std::string_view modeName(CaseMode mode) {
    switch (mode) {
    case CaseMode::Xyz:
        return "XYZ";
    case CaseMode::Polar:
        return "Polar";
    case CaseMode::Nesw:
        return "NESW";
    }
    return "XYZ";
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", u);
                out += esc;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string caseInfoText(const CaseData& data, char separator) {
    const Extents e = worldExtents(data.points, data.mode);
    auto length = [&](double v) { return formatLength(v, data.units, separator); };
    std::string text;
    auto line = [&](std::string_view name, const std::string& value) {
        text.append(name).append(": ").append(value).append("\n");
    };
    line("Case name", utf8(data.caseName));
    line("Description", utf8(data.caseDescription));
    line("Mode", std::string(modeName(data.mode)));
    line("Unit", std::string(unitStatusName(data.units.unit)));
    line("Decimals", std::to_string(data.units.decimals));
    line("Last point number", std::to_string(data.lastPointNumber));
    line("Points", std::to_string(data.points.size()));
    line("Polylines", std::to_string(data.polylines.size()));
    line("Images", std::to_string(data.images.count()));
    line("Extents", e.empty() ? std::string("none")
                              : "x " + length(e.x0) + " to " + length(e.x1) + ", y " +
                                    length(e.y0) + " to " + length(e.y1));
    line("Date", utf8(data.incident.date.view()) + " " + utf8(data.incident.hour.view()));
    line("Place", utf8(data.incident.place.view()));
    return text;
}

std::string caseInfoJson(const CaseData& data) {
    const Extents e = worldExtents(data.points, data.mode);
    std::string j = "{\n";
    auto field = [&](std::string_view name, const std::string& value, bool last = false) {
        j.append("  ")
            .append(jsonString(name))
            .append(": ")
            .append(value)
            .append(last ? "\n" : ",\n");
    };
    field("caseName", jsonString(utf8(data.caseName)));
    field("description", jsonString(utf8(data.caseDescription)));
    field("mode", jsonString(modeName(data.mode)));
    field("unit", jsonString(unitStatusName(data.units.unit)));
    field("decimals", std::to_string(data.units.decimals));
    field("lastPointNumber", std::to_string(data.lastPointNumber));
    field("points", std::to_string(data.points.size()));
    field("polylines", std::to_string(data.polylines.size()));
    field("images", std::to_string(data.images.count()));
    field("extents", e.empty()
                         ? std::string("null")
                         : "{\"xmin\": " + number(e.x0) + ", \"xmax\": " + number(e.x1) +
                               ", \"ymin\": " + number(e.y0) + ", \"ymax\": " + number(e.y1) + "}");
    field("incident",
          "{\"date\": " + jsonString(utf8(data.incident.date.view())) +
              ", \"hour\": " + jsonString(utf8(data.incident.hour.view())) +
              ", \"place\": " + jsonString(utf8(data.incident.place.view())) + "}",
          true);
    return j + "}\n";
}

} // namespace zorvane::cli
