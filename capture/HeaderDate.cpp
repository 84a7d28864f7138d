#include "capture/HeaderDate.h"

#include <optional>
#include <string_view>

#include "capture/TrimBlanks.h"
#include "codepage/Cp1252.h"
#include "config/ProgramValues.h"

namespace zorbel {

namespace {

struct BulletinTime {
    int year;
    int month;
    int day;
    int hour;
};

constexpr BulletinTime kZeroDate{1899, 12, 30, 0};

// One or two digits, nothing else (no sign, no blank inside).
std::optional<int> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

std::wstring WideDigits(int value, int width) {
    const std::string digits = Digits(value, width);
    return std::wstring(digits.begin(), digits.end());
}

// The date of a header with day text and hour text, received at utcNow.
BulletinTime BulletinTimeOf(std::string_view dayText, std::string_view hourText, const platform::DateTime& utcNow) {
    const auto day = SmallNumber(dayText);
    if (!day) return kZeroDate;
    int year = utcNow.year;
    int month = utcNow.month;
    // A header day ahead of today's was issued last month (31st, received on the 1st).
    if (*day > utcNow.day) {
        month = month == 1 ? 12 : month - 1;
        if (month == 12) --year;
    }
    if (*day < 1 || *day > DaysInMonth(year, month)) return kZeroDate;
    const auto hour = SmallNumber(TrimBlanks(hourText));
    return {year, month, *day, hour && *hour < 24 ? *hour : 0};
}

}  // namespace

HeaderDate::HeaderDate(const platform::Clock& clock, const platform::Locale& locale)
    : clock_(clock), locale_(locale) {}

std::wstring HeaderDate::HeaderDateText(std::string_view line, DateForm form) const {
    const auto utcNow = clock_.UtcNow();
    // The text behind "EDZW", or the line without its first three characters when it has none.
    const auto originator = line.find(values::kWeatherOriginator);
    const std::size_t tailStart =
        originator == std::string_view::npos ? 3 : originator + values::kWeatherOriginator.size();
    const std::string_view tail = line.size() > tailStart ? line.substr(tailStart) : std::string_view();
    const auto dayText = TrimBlanks(tail.substr(0, 3));
    const auto hourText = tail.size() > 3 ? tail.substr(3, 2) : std::string_view();

    const auto when = TrimBlanks(line).empty() ? BulletinTime{utcNow.year, utcNow.month, utcNow.day, utcNow.hour}
                                               : BulletinTimeOf(dayText, hourText, utcNow);
    const std::wstring month = locale_.AbbreviatedMonthName(when.month);
    if (form == DateForm::File) {
        return WideDigits(when.day, 2) + month + WideDigits(when.year, 4) + L"-" + WideDigits(when.hour, 2) + L"00";
    }
    const std::wstring dateSeparator = Cp1252ToWide(locale_.DateSeparator());
    return WideDigits(when.day, 2) + dateSeparator + month + dateSeparator + WideDigits(when.year, 4) + L"-" +
           WideDigits(when.hour, 2) + Cp1252ToWide(locale_.TimeSeparator()) + L"00";
}

}  // namespace zorbel
