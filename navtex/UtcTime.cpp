#include "navtex/UtcTime.h"

#include <chrono>
#include <cstdio>

namespace navtex {
namespace {
constexpr UtcSeconds kDay = 24 * 3600;
}  // namespace

UtcSeconds ToUtcSeconds(const UtcCalendar& when) {
    using namespace std::chrono;
    const sys_days day{year{when.year} / month{static_cast<unsigned>(when.month)} /
                       std::chrono::day{static_cast<unsigned>(when.day)}};
    return day.time_since_epoch().count() * kDay + when.hour * 3600 + when.minute * 60 + when.second;
}

UtcCalendar ToCalendar(UtcSeconds when) {
    using namespace std::chrono;
    // Floor division, so that a time before 1970 falls on its own day.
    const UtcSeconds days = when / kDay - (when % kDay < 0 ? 1 : 0);
    const UtcSeconds inDay = when - days * kDay;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(inDay / 3600),
            static_cast<int>(inDay % 3600 / 60), static_cast<int>(inDay % 60)};
}

std::string DayAndTime(UtcSeconds when) {
    const UtcCalendar c = ToCalendar(when);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d. %02d:%02d", c.day, c.month, c.hour, c.minute);
    return text;
}

std::string TimeOfDay(UtcSeconds when) {
    const UtcCalendar c = ToCalendar(when);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", c.hour, c.minute);
    return text;
}

}  // namespace navtex
