#pragma once
// UTC seconds since 1970 to and from the calendar, as the NAVTEX memory keeps
// its times and the list and file names show them.

#include <string>

#include "navtex/StationTable.h"

namespace navtex {

struct UtcCalendar {
    int year = 1970;
    int month = 1;  // from 1
    int day = 1;    // from 1
    int hour = 0;
    int minute = 0;
    int second = 0;
};

UtcSeconds ToUtcSeconds(const UtcCalendar& when);
UtcCalendar ToCalendar(UtcSeconds when);

// "07.12. 08:10", the list's form.
std::string DayAndTime(UtcSeconds when);
// "08:10".
std::string TimeOfDay(UtcSeconds when);

}  // namespace navtex
