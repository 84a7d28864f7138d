#include "zorbel-engine/EngineSettings.h"

#include <cmath>
#include <cwchar>

#include "decoder/DecoderLimits.h"
#include "zorbel-engine/ModeText.h"

namespace zorbel::engine_side {
namespace {

constexpr decoder::ValueRange kSwitchRange{0.0, 1.0};
constexpr decoder::ValueRange kDeviceRange{kNoDevice, kMostDevices - 1};
constexpr decoder::ValueRange kFaxFrequencyRange{1'000'000, 30'000'000};
constexpr decoder::ValueRange kFaxDeviationRange{300.0, 500.0};

class StoredNumbers {
public:
    StoredNumbers(const platform::SettingsStore& store, std::wstring& refused) : store_(store), refused_(refused) {}

    // Numbers in the C locale's form ("45.45"), whatever the user's locale
    // writes. Switches and the device are whole numbers.
    void Read(const wchar_t* name, double& number, decoder::ValueRange range, bool whole = false) {
        const auto text = store_.GetText(name);
        if (!text) return;
        wchar_t* end = nullptr;
        const double read = std::wcstod(text->c_str(), &end);
        if (!text->empty() && *end == L'\0' && range.Holds(read) && (!whole || read == std::floor(read))) {
            number = read;
            return;
        }
        refused_ += (refused_.empty() ? L"" : L"; ") + std::wstring(L"„") + name + L"“ = „" + *text + L"“ (erlaubt " +
                    GermanNumber(range.lowest) + L" bis " + GermanNumber(range.highest) + L")";
    }

    void Read(const wchar_t* name, bool& on) {
        double number = on ? 1 : 0;
        Read(name, number, kSwitchRange, true);
        on = number != 0;
    }

private:
    const platform::SettingsStore& store_;
    std::wstring& refused_;
};

void WriteNumber(platform::SettingsStore& store, const wchar_t* name, double number) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", number);
    store.SetText(name, text);
}

}  // namespace

EngineSettings LoadEngineSettings(const platform::SettingsStore& store, std::wstring& refused) {
    refused.clear();
    StoredNumbers stored(store, refused);
    EngineSettings settings;
    auto& mode = settings.mode;
    double device = settings.device;
    // Settings from before baud and shift were found hold a chosen mode:
    // only a new user starts finding them.
    settings.findMode = !store.GetText(L"Baud") && !store.GetText(L"Shift");
    stored.Read(L"ModusFinden", settings.findMode);
    stored.Read(L"Baud", mode.baud, decoder::kBaudRange);
    stored.Read(L"Shift", mode.shiftHz, decoder::kShiftRange);
    stored.Read(L"Mark", mode.markHz, decoder::kMarkRange);
    stored.Read(L"Stopbits", mode.stopBits, decoder::kStopBitsRange);
    stored.Read(L"Revers", mode.reversed);
    // Settings from before the polarity was found hold a chosen one: reversed
    // was always chosen by hand; normal was the default and gives way.
    settings.findPolarity = !mode.reversed;
    stored.Read(L"PolaritaetFinden", settings.findPolarity);
    stored.Read(L"BuchstabenNachLeerzeichen", settings.unshiftOnSpace);
    stored.Read(L"Navtex", settings.navtex);
    stored.Read(L"Eingang", device, kDeviceRange, true);
    stored.Read(L"Schnell", settings.fast);
    stored.Read(L"Wetterfax", settings.fax);
    double faxFrequencyHz = settings.faxFrequencyHz;
    stored.Read(L"WetterfaxFrequenz", faxFrequencyHz, kFaxFrequencyRange, true);
    settings.faxFrequencyHz = static_cast<int>(faxFrequencyHz);
    stored.Read(L"WetterfaxHub", settings.faxDeviationHz, kFaxDeviationRange);
    settings.device = static_cast<int>(device);
    settings.lastFile = store.GetText(L"LetzteDatei").value_or(L"");
    settings.chartFolder = store.GetText(L"Wetterkartenordner").value_or(L"");
    if (!refused.empty()) refused = L"Gespeicherte Einstellung nicht übernommen, es gilt die Vorgabe: " + refused + L".";
    return settings;
}

void SaveEngineSettings(platform::SettingsStore& store, const EngineSettings& settings) {
    const auto& mode = settings.mode;
    WriteNumber(store, L"Baud", mode.baud);
    WriteNumber(store, L"Shift", mode.shiftHz);
    WriteNumber(store, L"Mark", mode.markHz);
    WriteNumber(store, L"Stopbits", mode.stopBits);
    WriteNumber(store, L"Revers", mode.reversed ? 1 : 0);
    WriteNumber(store, L"ModusFinden", settings.findMode ? 1 : 0);
    WriteNumber(store, L"PolaritaetFinden", settings.findPolarity ? 1 : 0);
    WriteNumber(store, L"BuchstabenNachLeerzeichen", settings.unshiftOnSpace ? 1 : 0);
    WriteNumber(store, L"Navtex", settings.navtex ? 1 : 0);
    WriteNumber(store, L"Wetterfax", settings.fax ? 1 : 0);
    store.SetText(L"WetterfaxFrequenz", std::to_wstring(settings.faxFrequencyHz));
    WriteNumber(store, L"WetterfaxHub", settings.faxDeviationHz);
    WriteNumber(store, L"Eingang", settings.device);
    WriteNumber(store, L"Schnell", settings.fast ? 1 : 0);
    store.SetText(L"LetzteDatei", settings.lastFile);
    store.SetText(L"Wetterkartenordner", settings.chartFolder);
}

}  // namespace zorbel::engine_side
