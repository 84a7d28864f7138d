#pragma once
// The date of a weather bulletin from its "EDZW ddhhmm" header group, as text
// for the message lines (display form) and for the capture file name (file form).

#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace zorbel {

enum class DateForm {
    Display,  // day, month name, year, hour and minute with the locale's separators: "05.Dez.2026-12:00"
    File,     // the same without separators: "05Dez2026-1200"
};

class HeaderDate {
public:
    HeaderDate(const platform::Clock& clock, const platform::Locale& locale);

    // The header group is UTC: month and year are today's UTC ones, one month
    // back when the header's day lies ahead of today. Minutes are always 00;
    // a day or hour that forms no date gives the zero date, 30 December 1899
    // 00:00, and a line of blanks only (or empty) the current UTC hour.
    // UTF-16: the locale's month name may lie outside any 8-bit code page.
    std::wstring HeaderDateText(std::string_view line, DateForm form) const;

private:
    const platform::Clock& clock_;
    const platform::Locale& locale_;
};

}  // namespace zorbel
