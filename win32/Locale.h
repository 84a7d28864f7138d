#pragma once
// The user's regional settings.

#include "platform/Locale.h"

namespace zorbel::win32 {

class UserLocale : public platform::Locale {
public:
    std::string GeneralDateTimeText(const platform::DateTime& when) const override;
    std::string DateSeparator() const override;
    std::string TimeSeparator() const override;
    std::wstring AbbreviatedMonthName(int month) const override;
    std::string ThousandsSeparator() const override;
};

}  // namespace zorbel::win32
