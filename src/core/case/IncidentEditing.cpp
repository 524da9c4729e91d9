#include "case/IncidentEditing.h"

#include "text/MaskedText.h"

#include <algorithm>

namespace zorvane {
namespace {

std::string toCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// CR LF, and a lone CR or LF, become one LF.
std::string toLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

IncidentRecord incidentFromFields(const IncidentFields& f) {
    IncidentRecord r;
    r.date = alignToMask(f.date, kIncidentDateLayout);
    r.hour = alignToMask(f.hour, kIncidentHourLayout);
    r.place = f.place;
    r.name1 = f.name1;
    r.name2 = f.name2;
    std::string circumstances = toCrLf(f.circumstances);
    // A cut between CR and LF would leave half a line break.
    if (circumstances.size() > r.circumstances.capacity &&
        circumstances[r.circumstances.capacity - 1] == '\r')
        circumstances.resize(r.circumstances.capacity - 1);
    r.circumstances = circumstances;
    return r;
}

IncidentFields incidentFields(const IncidentRecord& r) {
    return {alignToMask(r.date.view(), kIncidentDateLayout),
            alignToMask(r.hour.view(), kIncidentHourLayout),
            r.place.str(),
            r.name1.str(),
            r.name2.str(),
            toLf(r.circumstances.view())};
}

std::size_t storedCircumstancesLength(std::string_view lfText) {
    return lfText.size() + static_cast<std::size_t>(std::count(lfText.begin(), lfText.end(), '\n'));
}

} // namespace zorvane
