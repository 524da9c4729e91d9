#pragma once
#include "model/ShortString.h"

#include <string_view>

namespace zorvane {

// What happened, where and when; stored with the case.
struct IncidentRecord {
    ShortString<10> date;
    ShortString<5> hour{"00:00"};
    ShortString<100> place;
    ShortString<100> name1;
    ShortString<100> name2;
    ShortString<255> circumstances; // lines separated by CR LF

    friend bool operator==(const IncidentRecord&, const IncidentRecord&) = default;
};

// A new case's record: today's date (as the user's short date text), "00:00", empty texts.
inline IncidentRecord defaultIncident(std::string_view today) {
    IncidentRecord r;
    r.date = today;
    return r;
}

} // namespace zorvane
