#pragma once
// A received chart's file name says what the chart is, so that a folder of
// charts reads as the list of what was received and a chart copied elsewhere
// keeps its identity:
//   "2026-12-07 0512 UTC Bodendruck-Vorhersage +36 h (7880 kHz).png"
// with " unvollständig" before the ending for a chart cut off, and " (2)"
// for a second chart of the same name.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace weatherfax {

using UtcSeconds = std::int64_t;

inline constexpr std::string_view kUntitled = "Wetterkarte";

struct ReceivedChart {
    UtcSeconds start = 0;  // to the minute
    std::string title;     // UTF-8; kUntitled where the schedule names none
    int frequencyHz = 0;
    bool incomplete = false;
    int copy = 1;          // 2 and up: another chart had the name first
};

// UTF-8. The title's characters that a file name cannot hold become "-".
std::string ChartFileName(const ReceivedChart& chart);

// None for a name this program did not give.
std::optional<ReceivedChart> ReadChartFileName(std::string_view utf8Name);

struct ListedChart {
    std::string fileName;  // UTF-8
    ReceivedChart chart;
};

// The charts among a folder's file names, newest first; other files are left out.
std::vector<ListedChart> ChartsNewestFirst(std::span<const std::string> utf8Names);

// As the list shows them: "07.12.2026 05:12" (UTC) and "13882,5 kHz".
std::string StartText(UtcSeconds start);
std::string FrequencyText(int frequencyHz);

}  // namespace weatherfax
