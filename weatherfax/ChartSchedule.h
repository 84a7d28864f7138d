#pragma once
// The weather service's radiofax charts by the time their broadcast starts
// (weatherfax/data/charts.csv, compiled in), and the frequencies it sends
// them on.

#include <optional>
#include <span>
#include <string_view>

namespace weatherfax {

struct ScheduledChart {
    int minuteUtc;          // after midnight
    std::string_view title; // UTF-8, German, fit for a file name
};

struct FaxFrequency {
    int frequencyHz;
    std::string_view callSign;
};

inline constexpr FaxFrequency kPinnebergFrequencies[] = {
    {3'855'000, "DDH3"}, {7'880'000, "DDK3"}, {13'882'500, "DDK6"}};

// Earliest first.
std::span<const ScheduledChart> Schedule();

// The chart a reception that started at this minute of the UTC day belongs
// to: the last one scheduled up to two minutes later (the station's clock or
// the listener's may run early), if it began at most twelve minutes before (a
// reception taken up in the middle of a chart). None between the charts.
std::optional<std::string_view> ScheduledTitle(int startMinuteUtc);

}  // namespace weatherfax
