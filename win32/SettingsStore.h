#pragma once
// Text values under one key of HKEY_CURRENT_USER. ZORBEL's own are under
// Software\VB and VBA Program Settings\ZORBEL\Settings, where the settings of
// earlier versions already live.

#include "platform/SettingsStore.h"

namespace zorbel::win32 {

inline constexpr wchar_t kZorbelSettingsKey[] = L"Software\\VB and VBA Program Settings\\ZORBEL\\Settings";

class RegistrySettingsStore : public platform::SettingsStore {
public:
    explicit RegistrySettingsStore(const wchar_t* keyPath = kZorbelSettingsKey) : keyPath_(keyPath) {}
    std::optional<std::wstring> GetText(std::wstring_view wideKey) const override;
    void SetText(std::wstring_view wideKey, std::wstring_view wideValue) override;

private:
    const wchar_t* keyPath_;
};

}  // namespace zorbel::win32
