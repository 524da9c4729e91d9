#pragma once
// Moving the incident description between its record and the window's fields.
#include "model/IncidentRecord.h"

#include <string>

namespace zorvane {

// The field layouts of the date and the hour ('9' a digit position).
inline constexpr const char* kIncidentDateLayout = "99/99/9999";
inline constexpr const char* kIncidentHourLayout = "99:99";

// What the " Incident description" window shows: cp1252 texts, blanks for untyped positions of
// the date and the hour, line breaks of the circumstances as single LF.
struct IncidentFields {
    std::string date;
    std::string hour;
    std::string place;
    std::string name1;
    std::string name2;
    std::string circumstances;

    friend bool operator==(const IncidentFields&, const IncidentFields&) = default;
};

// The record "Ok" stores: the date and the hour in their layouts (digits of a group right-
// aligned), line breaks as CR LF, every text cut to its capacity.
IncidentRecord incidentFromFields(const IncidentFields& fields);

// The fields a record fills. A date or hour stored in another form ("5/6/2024") is brought into
// the layout where its groups allow.
IncidentFields incidentFields(const IncidentRecord& record);

// Characters the circumstances text takes in the record: a line break counts two (CR LF).
std::size_t storedCircumstancesLength(std::string_view lfText);

} // namespace zorvane
