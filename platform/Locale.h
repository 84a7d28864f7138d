#pragma once
// The user's locale: how dates, times and numbers are written.

#include <string>

#include "platform/Clock.h"

namespace zorbel::platform {

class Locale {
public:
    virtual ~Locale() = default;
    // The general date-and-time form, e.g. "05.12.2026 07:06:57"; 8-bit ANSI.
    virtual std::string GeneralDateTimeText(const DateTime& when) const = 0;
    // The date separator, e.g. "."; 8-bit ANSI.
    virtual std::string DateSeparator() const = 0;
    // The time separator, e.g. ":"; 8-bit ANSI.
    virtual std::string TimeSeparator() const = 0;
    // The abbreviated name of month 1-12, e.g. "Dez" or "paź", without a full
    // stop; UTF-16, as it goes into file names.
    virtual std::wstring AbbreviatedMonthName(int month) const = 0;
    // The digit-grouping separator, e.g. "."; UTF-8.
    virtual std::string ThousandsSeparator() const = 0;
};

}  // namespace zorbel::platform
