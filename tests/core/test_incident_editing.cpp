#include "case/IncidentEditing.h"
#include "text/DateText.h"
#include "text/MaskedText.h"

#include <gtest/gtest.h>

#include <string>

namespace zorvane {
namespace {

TEST(MaskedText, GroupsOfDigitsAreRightAlignedInTheLayout) {
    struct Case {
        const char* text;
        const char* layout;
        const char* expected;
    } cases[] = {
        {"12/05/2024", "99/99/9999", "12/05/2024"},
        {"5/6/2024", "99/99/9999", " 5/ 6/2024"},
        {"1 /0 /20  ", "99/99/9999", " 1/ 0/  20"},
        {"  /  /    ", "99/99/9999", "  /  /    "},
        {"//", "99/99/9999", "  /  /    "},
        {"9 :30", "99:99", " 9:30"},
        {"00:00", "99:99", "00:00"},
        {"", "99:99", ""}, // not the layout's groups: as it is
        {"2024-05-06", "99/99/9999", "2024-05-06"},
        {"123/4/5", "99/99/9999", "123/4/5"}, // a group too long
        {"1/2/3/4", "99/99/9999", "1/2/3/4"},
        {"ab:cd", "99:99", "ab:cd"},
    };
    for (const Case& c : cases) EXPECT_EQ(alignToMask(c.text, c.layout), c.expected) << c.text;
}

TEST(DateText, DayAndMonthFollowTheUserFormatTheYearComesLast) {
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"dd/MM/yyyy", "07/03/2026"},
        {"M/d/yy", "03/07/2026"},
        {"dd.MM.yy", "07/03/2026"},
        {"yyyy-MM-dd", "07/03/2026"},
        {"yyyy. MM. dd.", "07/03/2026"},
        {"'Month' M, 'day' d", "03/07/2026"},
        {"", "07/03/2026"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shortDateText(c.format, 2026, 3, 7), c.expected) << c.format;
    EXPECT_EQ(shortDateText("d/M/y", 12345, 0, 100), "99/00/9999");
}

TEST(IncidentFields, OkStoresTheLayoutsAndLineBreaksOfTheRecordCutToCapacity) {
    IncidentFields f{"1 / 2/2024", "9 :30", std::string(120, 'p'), "Ann", "Bob", "Wet road\nNight"};
    IncidentRecord r = incidentFromFields(f);
    EXPECT_EQ(r.date.view(), " 1/ 2/2024");
    EXPECT_EQ(r.hour.view(), " 9:30");
    EXPECT_EQ(r.place.view(), std::string(100, 'p'));
    EXPECT_EQ(r.circumstances.view(), "Wet road\r\nNight");
    EXPECT_EQ(incidentFields(r), (IncidentFields{" 1/ 2/2024", " 9:30", std::string(100, 'p'),
                                                 "Ann", "Bob", "Wet road\nNight"}));

    f.circumstances = std::string(300, 'c');
    EXPECT_EQ(incidentFromFields(f).circumstances.view(), std::string(255, 'c'));
    // A cut would fall between CR and LF: the half line break goes too.
    f.circumstances = std::string(254, 'c') + "\nmore";
    EXPECT_EQ(incidentFromFields(f).circumstances.view(), std::string(254, 'c'));
    EXPECT_EQ(storedCircumstancesLength(f.circumstances), 254u + 2 + 4);
}

TEST(IncidentFields, RecordsFromElsewhereFillTheFields) {
    IncidentRecord r;
    r.date = "5/6/2024";
    r.hour = "0:00";
    r.circumstances = "a\rb\r\nc\nd";
    const IncidentFields f = incidentFields(r);
    EXPECT_EQ(f.date, " 5/ 6/2024");
    EXPECT_EQ(f.hour, " 0:00");
    EXPECT_EQ(f.circumstances, "a\nb\nc\nd");
}

} // namespace
} // namespace zorvane
