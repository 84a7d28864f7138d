#include "platform/win32/SettingsStore.h"

#include <windows.h>

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\ZORBEL\\Settings";

}  // namespace

std::optional<std::string> RegistrySettingsStore::GetText(std::string_view utf8Key) const {
    const std::wstring name = Utf8ToWide(utf8Key);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(size / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return WideToAnsi(value);
}

}  // namespace zorbel::win32
