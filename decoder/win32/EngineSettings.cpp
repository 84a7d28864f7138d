#include "decoder/win32/EngineSettings.h"

#include <windows.h>

#include <cwchar>
#include <optional>

namespace zorbel::engine_side {
namespace {

constexpr wchar_t kKey[] = L"Software\\ZORBEL\\Engine";

std::optional<std::wstring> ReadText(const wchar_t* name) {
    wchar_t text[MAX_PATH * 2] = {};
    DWORD size = sizeof text - sizeof(wchar_t);  // room for the 0 a stored value may lack
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

void WriteText(const wchar_t* name, const std::wstring& text) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Numbers in the C locale's form ("45.45"), whatever the user's locale writes.
void ReadNumber(const wchar_t* name, double& number) {
    const auto text = ReadText(name);
    if (!text) return;
    wchar_t* end = nullptr;
    const double read = std::wcstod(text->c_str(), &end);
    if (!text->empty() && *end == L'\0') number = read;
}

void WriteNumber(const wchar_t* name, double number) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", number);
    WriteText(name, text);
}

}  // namespace

EngineSettings LoadEngineSettings() {
    EngineSettings settings;
    auto& mode = settings.mode;
    double reversed = mode.reversed ? 1 : 0, device = settings.device, fast = settings.fast ? 1 : 0;
    ReadNumber(L"Baud", mode.baud);
    ReadNumber(L"Shift", mode.shiftHz);
    ReadNumber(L"Mark", mode.markHz);
    ReadNumber(L"Stopbits", mode.stopBits);
    ReadNumber(L"Revers", reversed);
    ReadNumber(L"Eingang", device);
    ReadNumber(L"Schnell", fast);
    mode.reversed = reversed != 0;
    settings.device = static_cast<int>(device);
    settings.fast = fast != 0;
    settings.lastFile = ReadText(L"LetzteDatei").value_or(L"");
    return settings;
}

void SaveEngineSettings(const EngineSettings& settings) {
    const auto& mode = settings.mode;
    WriteNumber(L"Baud", mode.baud);
    WriteNumber(L"Shift", mode.shiftHz);
    WriteNumber(L"Mark", mode.markHz);
    WriteNumber(L"Stopbits", mode.stopBits);
    WriteNumber(L"Revers", mode.reversed ? 1 : 0);
    WriteNumber(L"Eingang", settings.device);
    WriteNumber(L"Schnell", settings.fast ? 1 : 0);
    WriteText(L"LetzteDatei", settings.lastFile);
}

}  // namespace zorbel::engine_side
