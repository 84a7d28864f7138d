#pragma once
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZORBEL\Settings:
// where the settings of earlier versions already live.

#include "platform/SettingsStore.h"

namespace zorbel::win32 {

class RegistrySettingsStore : public platform::SettingsStore {
public:
    std::optional<std::wstring> GetText(std::wstring_view wideKey) const override;
    void SetText(std::wstring_view wideKey, std::wstring_view wideValue) override;
};

}  // namespace zorbel::win32
