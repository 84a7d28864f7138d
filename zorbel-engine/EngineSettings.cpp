#include "zorbel-engine/EngineSettings.h"

#include <cwchar>

namespace zorbel::engine_side {
namespace {

// Numbers in the C locale's form ("45.45"), whatever the user's locale writes.
void ReadNumber(const platform::SettingsStore& store, const wchar_t* name, double& number) {
    const auto text = store.GetText(name);
    if (!text) return;
    wchar_t* end = nullptr;
    const double read = std::wcstod(text->c_str(), &end);
    if (!text->empty() && *end == L'\0') number = read;
}

void WriteNumber(platform::SettingsStore& store, const wchar_t* name, double number) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", number);
    store.SetText(name, text);
}

}  // namespace

EngineSettings LoadEngineSettings(const platform::SettingsStore& store) {
    EngineSettings settings;
    auto& mode = settings.mode;
    double reversed = mode.reversed ? 1 : 0, device = settings.device, fast = settings.fast ? 1 : 0;
    ReadNumber(store, L"Baud", mode.baud);
    ReadNumber(store, L"Shift", mode.shiftHz);
    ReadNumber(store, L"Mark", mode.markHz);
    ReadNumber(store, L"Stopbits", mode.stopBits);
    ReadNumber(store, L"Revers", reversed);
    ReadNumber(store, L"Eingang", device);
    ReadNumber(store, L"Schnell", fast);
    mode.reversed = reversed != 0;
    settings.device = static_cast<int>(device);
    settings.fast = fast != 0;
    settings.lastFile = store.GetText(L"LetzteDatei").value_or(L"");
    return settings;
}

void SaveEngineSettings(platform::SettingsStore& store, const EngineSettings& settings) {
    const auto& mode = settings.mode;
    WriteNumber(store, L"Baud", mode.baud);
    WriteNumber(store, L"Shift", mode.shiftHz);
    WriteNumber(store, L"Mark", mode.markHz);
    WriteNumber(store, L"Stopbits", mode.stopBits);
    WriteNumber(store, L"Revers", mode.reversed ? 1 : 0);
    WriteNumber(store, L"Eingang", settings.device);
    WriteNumber(store, L"Schnell", settings.fast ? 1 : 0);
    store.SetText(L"LetzteDatei", settings.lastFile);
}

}  // namespace zorbel::engine_side
