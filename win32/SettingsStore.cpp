#include "win32/SettingsStore.h"

#include <windows.h>

namespace zorbel::win32 {
std::optional<std::wstring> RegistrySettingsStore::GetText(std::wstring_view wideKey) const {
    const std::wstring name(wideKey);
    // RRF_RT_REG_SZ: a value of another type counts as missing.
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, keyPath_, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, keyPath_, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

void RegistrySettingsStore::SetText(std::wstring_view wideKey, std::wstring_view wideValue) {
    const std::wstring name(wideKey);
    const std::wstring value(wideValue);
    // Creates the key path as needed; the size counts the final NUL.
    RegSetKeyValueW(HKEY_CURRENT_USER, keyPath_, name.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace zorbel::win32
