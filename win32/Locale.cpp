#include "win32/Locale.h"

#include <windows.h>

#include <string>

#include "codepage/Cp1252.h"
#include "win32/Encoding.h"

namespace zorbel::win32 {
namespace {

std::wstring LocaleInfo(LCTYPE type) {
    wchar_t buffer[128] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
    return buffer;
}

}  // namespace

std::string UserLocale::GeneralDateTimeText(const platform::DateTime& when) const {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(when.hour);
    time.wMinute = static_cast<WORD>(when.minute);
    time.wSecond = static_cast<WORD>(when.second);
    wchar_t date[64] = {};
    wchar_t clock[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, 64);
    return WideToCp1252(std::wstring(date) + L" " + clock);
}

std::string UserLocale::DateSeparator() const { return WideToCp1252(LocaleInfo(LOCALE_SDATE)); }
std::string UserLocale::TimeSeparator() const { return WideToCp1252(LocaleInfo(LOCALE_STIME)); }
std::string UserLocale::ThousandsSeparator() const { return WideToUtf8(LocaleInfo(LOCALE_STHOUSAND)); }

std::wstring UserLocale::AbbreviatedMonthName(int month) const {
    std::wstring name = LocaleInfo(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + month - 1));
    // Some locales write "Dez." -- a full stop has no place in a file name.
    while (!name.empty() && name.back() == L'.') name.pop_back();
    return name;
}

}  // namespace zorbel::win32
