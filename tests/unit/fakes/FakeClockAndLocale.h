#pragma once
// A clock that stands still where the test puts it, and a German locale.

#include <array>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace zorbel::fakes {

class FakeClock : public platform::Clock {
public:
    platform::DateTime LocalNow() const override { return local; }
    platform::DateTime UtcNow() const override { return utc; }

    // Local time one hour ahead of UTC, as in a German winter.
    void SetUtc(platform::DateTime when) {
        utc = when;
        local = when;
        local.hour += 1;
    }

    platform::DateTime local{2026, 12, 5, 13, 3, 10};
    platform::DateTime utc{2026, 12, 5, 12, 3, 10};
};

class FakeGermanLocale : public platform::Locale {
public:
    std::string GeneralDateTimeText(const platform::DateTime& when) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", when.day, when.month, when.year, when.hour,
                      when.minute, when.second);
        return text;
    }
    std::string DateSeparator() const override { return "."; }
    std::string TimeSeparator() const override { return ":"; }
    std::string AbbreviatedMonthName(int month) const override {
        static const std::array<const char*, 12> kNames{"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                        "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
        return kNames.at(static_cast<std::size_t>(month - 1));
    }
    std::string ThousandsSeparator() const override { return "."; }
};

}  // namespace zorbel::fakes
