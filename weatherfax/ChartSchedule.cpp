#include "weatherfax/ChartSchedule.h"

#include "weatherfax/ScheduleData.h"

namespace weatherfax {
namespace {

constexpr int kEarlyMinutes = 2;
constexpr int kLongestChartMinutes = 12;
constexpr int kMinutesPerDay = 24 * 60;

}  // namespace

std::span<const ScheduledChart> Schedule() { return kSchedule; }

std::optional<std::string_view> ScheduledTitle(int startMinuteUtc) {
    // The nearest chart scheduled before the start plus the allowance, counted back across midnight.
    std::optional<std::string_view> title;
    int nearest = kEarlyMinutes + kLongestChartMinutes + 1;
    for (const ScheduledChart& chart : kSchedule) {
        const int back = ((startMinuteUtc + kEarlyMinutes - chart.minuteUtc) % kMinutesPerDay + kMinutesPerDay) %
                         kMinutesPerDay;
        if (back < nearest) nearest = back, title = chart.title;
    }
    return title;
}

}  // namespace weatherfax
