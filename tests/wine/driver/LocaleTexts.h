// Dates, times and numbers as the user's locale writes them, computed the
// way zorbel computes them, so that tests need not hard-code a locale.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

SYSTEMTIME LocalNow();

// Short date, a blank and the long time ("5.12.2026 07:06:57" under Wine's
// German locale).
std::wstring GeneralDateTimeText(const SYSTEMTIME& when);

// The texts of every second from `start` up to now: what a clock read
// somewhere in between can have shown.
std::vector<std::wstring> GeneralDateTimesSince(const SYSTEMTIME& start);

// The decimal digits of `value` in groups of three, with the locale's
// thousands separator ("16.777.216").
std::wstring GroupedThousands(std::uint64_t value);

}  // namespace bench
