#include "LocaleTexts.h"

namespace bench {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns

std::uint64_t Ticks(const SYSTEMTIME& when) {
  FILETIME file{};
  SystemTimeToFileTime(&when, &file);
  return (static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

SYSTEMTIME FromTicks(std::uint64_t ticks) {
  const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME when{};
  FileTimeToSystemTime(&file, &when);
  return when;
}

}  // namespace

SYSTEMTIME LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

std::wstring GeneralDateTimeText(const SYSTEMTIME& when) {
  wchar_t date[64] = {};
  wchar_t time[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 64);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &when, nullptr, time, 64);
  return std::wstring(date) + L" " + time;
}

std::vector<std::wstring> GeneralDateTimesSince(const SYSTEMTIME& start) {
  const std::uint64_t first = Ticks(start) / kTicksPerSecond;
  const std::uint64_t last = Ticks(LocalNow()) / kTicksPerSecond;
  std::vector<std::wstring> texts;
  for (std::uint64_t second = first; second <= last; ++second)
    texts.push_back(GeneralDateTimeText(FromTicks(second * kTicksPerSecond)));
  return texts;
}

std::wstring GroupedThousands(std::uint64_t value) {
  wchar_t separator[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
  const std::wstring digits = std::to_wstring(value);
  std::wstring grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace bench
