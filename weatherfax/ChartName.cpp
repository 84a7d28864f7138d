#include "weatherfax/ChartName.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <regex>

namespace weatherfax {
namespace {

constexpr std::string_view kIncomplete = " unvollst\xC3\xA4ndig";
constexpr std::string_view kEnding = ".png";

struct Civil {
    int year;
    unsigned month, day, hour, minute;
};

Civil ToCivil(UtcSeconds start) {
    using namespace std::chrono;
    const sys_seconds time{seconds{start}};
    const auto day = floor<days>(time);
    const year_month_day date{day};
    const auto minutes = duration_cast<std::chrono::minutes>(time - day).count();
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
            static_cast<unsigned>(minutes / 60), static_cast<unsigned>(minutes % 60)};
}

std::optional<UtcSeconds> FromCivil(const Civil& civil) {
    using namespace std::chrono;
    const year_month_day date{year{civil.year}, month{civil.month}, day{civil.day}};
    if (!date.ok() || civil.hour > 23 || civil.minute > 59) return std::nullopt;
    return (sys_days{date}.time_since_epoch() + hours{civil.hour} + minutes{civil.minute}) / seconds{1};
}

}  // namespace

std::string ChartFileName(const ReceivedChart& chart) {
    const Civil civil = ToCivil(chart.start);
    char start[32];
    std::snprintf(start, sizeof start, "%04d-%02u-%02u %02u%02u UTC ", civil.year, civil.month, civil.day,
                  civil.hour, civil.minute);
    std::string title = chart.title.empty() ? std::string(kUntitled) : chart.title;
    std::replace_if(
        title.begin(), title.end(), [](char c) { return std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos; },
        '-');
    std::string name = start + title + " (" + FrequencyText(chart.frequencyHz) + ")";
    if (chart.incomplete) name += kIncomplete;
    if (chart.copy > 1) name += " (" + std::to_string(chart.copy) + ")";
    return name + std::string(kEnding);
}

std::optional<ReceivedChart> ReadChartFileName(std::string_view utf8Name) {
    static const std::regex kName(
        "(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2})(\\d{2}) UTC (.+) \\((\\d+)(?:,(\\d))? kHz\\)"
        "( unvollst\xC3\xA4ndig)?(?: \\((\\d+)\\))?\\.png",
        std::regex::icase);
    std::cmatch match;
    if (!std::regex_match(utf8Name.data(), utf8Name.data() + utf8Name.size(), match, kName)) return std::nullopt;
    const auto number = [&](int group) { return std::stoi(match[group].str()); };
    const auto start = FromCivil({number(1), static_cast<unsigned>(number(2)), static_cast<unsigned>(number(3)),
                                  static_cast<unsigned>(number(4)), static_cast<unsigned>(number(5))});
    if (!start || match[7].length() > 6) return std::nullopt;
    ReceivedChart chart;
    chart.start = *start;
    chart.title = match[6].str();
    chart.frequencyHz = number(7) * 1000 + (match[8].matched ? number(8) * 100 : 0);
    chart.incomplete = match[9].matched;
    chart.copy = match[10].matched && match[10].length() < 4 ? number(10) : 1;
    return chart;
}

std::vector<ListedChart> ChartsNewestFirst(std::span<const std::string> utf8Names) {
    std::vector<ListedChart> charts;
    for (const std::string& name : utf8Names)
        if (auto chart = ReadChartFileName(name)) charts.push_back({name, std::move(*chart)});
    std::stable_sort(charts.begin(), charts.end(), [](const ListedChart& a, const ListedChart& b) {
        return a.chart.start != b.chart.start ? a.chart.start > b.chart.start : a.chart.copy > b.chart.copy;
    });
    return charts;
}

std::string StartText(UtcSeconds start) {
    const Civil civil = ToCivil(start);
    char text[32];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d %02u:%02u", civil.day, civil.month, civil.year, civil.hour,
                  civil.minute);
    return text;
}

std::string FrequencyText(int frequencyHz) {
    const int hundreds = frequencyHz / 100;
    char text[32];
    if (hundreds % 10 == 0) std::snprintf(text, sizeof text, "%d kHz", hundreds / 10);
    else std::snprintf(text, sizeof text, "%d,%d kHz", hundreds / 10, hundreds % 10);
    return text;
}

}  // namespace weatherfax
