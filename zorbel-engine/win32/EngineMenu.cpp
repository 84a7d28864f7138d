#include "zorbel-engine/win32/EngineMenu.h"

#include <array>
#include <iterator>
#include <cmath>

#include "weatherfax/ChartSchedule.h"
#include "zorbel-engine/ModeText.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace zorbel::engine_side {
namespace {

// The modes in use on the air; any other mark comes from a click into the spectrum.
constexpr std::array kBaudChoices{45.45, 50.0, 75.0, 100.0};
constexpr std::array kShiftChoices{85.0, 170.0, 200.0, 425.0, 450.0, 850.0};
constexpr std::array kMarkChoices{1000.0, 1275.0, 1445.0, 1700.0, 2125.0};
constexpr std::array kStopBitChoices{1.0, 1.5, 2.0};

// The modes most listened to, set in one step.
struct Preset {
    const wchar_t* caption;
    double baud, shiftHz, stopBits;
};
constexpr Preset kPresets[] = {
    {L"&DWD Seewetter 50 Bd / 450 Hz", 50.0, 450.0, 1.5},
    {L"Amateur&funk 45,45 Bd / 170 Hz", 45.45, 170.0, 1.5},
};
constexpr int kPresetCount = static_cast<int>(std::size(kPresets));

bool Near(double a, double b) { return std::abs(a - b) < 0.01; }

template <std::size_t N>
void AddChoices(HMENU parent, const wchar_t* caption, int firstId, const std::array<double, N>& choices,
                const wchar_t* unit) {
    const HMENU popup = CreatePopupMenu();
    for (std::size_t at = 0; at < N; ++at)
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(firstId + static_cast<int>(at)),
                    (GermanNumber(choices[at]) + unit).c_str());
    AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption);
}

template <std::size_t N>
void CheckChoice(HMENU menu, int firstId, const std::array<double, N>& choices, double value) {
    for (std::size_t at = 0; at < N; ++at)
        CheckMenuItem(menu, static_cast<UINT>(firstId + static_cast<int>(at)),
                      Near(choices[at], value) ? MF_CHECKED : MF_UNCHECKED);
}

template <std::size_t N>
bool PickChoice(int id, int firstId, const std::array<double, N>& choices, double& value) {
    if (id < firstId || id >= firstId + static_cast<int>(N)) return false;
    value = choices[static_cast<std::size_t>(id - firstId)];
    return true;
}

}  // namespace

void EngineMenu::Attach(HWND window, const std::vector<std::wstring>& devices) {
    window_ = window;
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, IDM_ENGINE_OPEN, L"Datei &öffnen...");
    AppendMenuW(file, MF_STRING, IDM_ENGINE_PLAY_AGAIN, L"&Erneut abspielen");
    AppendMenuW(file, MF_STRING, IDM_ENGINE_FAST, L"&Schnell abspielen");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDM_ENGINE_CHARTS, L"&Wetterkarten...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDM_ENGINE_EXIT, L"&Beenden");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Datei");

    const HMENU mode = CreatePopupMenu();
    AppendMenuW(mode, MF_STRING, IDM_ENGINE_MODE_FOUND, L"&Automatisch");
    for (int at = 0; at < kPresetCount; ++at)
        AppendMenuW(mode, MF_STRING, static_cast<UINT_PTR>(IDM_ENGINE_PRESET_FIRST + at), kPresets[at].caption);
    AppendMenuW(mode, MF_STRING, IDM_ENGINE_NAVTEX, L"&NAVTEX (100 Bd / 170 Hz)");
    AppendMenuW(mode, MF_STRING, IDM_ENGINE_FAX, L"&Wetterfax (120 U/min, IOC 576)");
    AppendMenuW(mode, MF_SEPARATOR, 0, nullptr);
    AddChoices(mode, L"&Baud", IDM_ENGINE_BAUD_FIRST, kBaudChoices, L" Bd");
    AddChoices(mode, L"&Shift", IDM_ENGINE_SHIFT_FIRST, kShiftChoices, L" Hz");
    AddChoices(mode, L"&Mark (oder Klick ins Spektrum)", IDM_ENGINE_MARK_FIRST, kMarkChoices, L" Hz");
    AddChoices(mode, L"S&topbits", IDM_ENGINE_STOP_FIRST, kStopBitChoices, L"");
    const HMENU polarity = CreatePopupMenu();
    AppendMenuW(polarity, MF_STRING, IDM_ENGINE_POLARITY_FOUND, L"&Automatisch (aus dem Signal)");
    AppendMenuW(polarity, MF_STRING, IDM_ENGINE_POLARITY_NORMAL, L"&Normal");
    AppendMenuW(polarity, MF_STRING, IDM_ENGINE_POLARITY_REVERSED, L"&Revers");
    AppendMenuW(mode, MF_POPUP, reinterpret_cast<UINT_PTR>(polarity), L"&Polarität");
    // Many amateur senders send no letters shift after a space that follows figures.
    AppendMenuW(mode, MF_STRING, IDM_ENGINE_UNSHIFT_ON_SPACE, L"B&uchstaben nach Leerzeichen (UOS)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mode), L"&Modus");

    inputs_ = CreatePopupMenu();
    AppendMenuW(inputs_, MF_STRING, IDM_ENGINE_INPUT_FILE, L"&Aufnahme (WAV-Datei)");
    devices_ = std::min<std::size_t>(devices.size(), IDM_ENGINE_DEVICE_LAST - IDM_ENGINE_DEVICE_FIRST + 1);
    if (devices_ == 0) AppendMenuW(inputs_, MF_STRING | MF_GRAYED, IDM_ENGINE_DEVICE_FIRST, L"Keine Soundkarte gefunden");
    for (std::size_t at = 0; at < devices_; ++at)
        AppendMenuW(inputs_, MF_STRING, static_cast<UINT_PTR>(IDM_ENGINE_DEVICE_FIRST + static_cast<int>(at)),
                    (L"Soundkarte: " + devices[at]).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(inputs_), L"&Eingang");

    const HMENU fax = CreatePopupMenu();
    for (int at = 0; at < static_cast<int>(std::size(weatherfax::kPinnebergFrequencies)); ++at) {
        const auto& frequency = weatherfax::kPinnebergFrequencies[at];
        AppendMenuW(fax, MF_STRING, static_cast<UINT_PTR>(IDM_ENGINE_FAX_FREQUENCY_FIRST + at),
                    (L"&" + GermanNumber(frequency.frequencyHz / 1000.0) + L" kHz (" +
                     std::wstring(frequency.callSign.begin(), frequency.callSign.end()) + L")").c_str());
    }
    AppendMenuW(fax, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_DEVIATION_400, L"Hub ±&400 Hz");
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_DEVIATION_425, L"Hub ±4&25 Hz (DWD)");
    AppendMenuW(fax, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_LINES_LONGER, L"Schräglage: Zeilen &länger");
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_LINES_SHORTER, L"Schräglage: Zeilen &kürzer");
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_START_LEFT, L"Zeilenanfang nach l&inks");
    AppendMenuW(fax, MF_STRING, IDM_ENGINE_FAX_START_RIGHT, L"Zeilenanfang nach &rechts");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(fax), L"&Wetterfax");
    SetMenu(window, bar);
}

void EngineMenu::Check(const MenuState& state) const {
    const HMENU bar = GetMenu(window_);
    if (!bar) return;
    // Baud and shift found, or NAVTEX read: none of the RTTY choices is chosen.
    const double unchecked = -1.0;
    const bool rttyChosen = !state.findMode && !state.navtex && !state.fax;
    CheckChoice(bar, IDM_ENGINE_BAUD_FIRST, kBaudChoices, rttyChosen ? state.mode.baud : unchecked);
    CheckChoice(bar, IDM_ENGINE_SHIFT_FIRST, kShiftChoices, rttyChosen ? state.mode.shiftHz : unchecked);
    CheckChoice(bar, IDM_ENGINE_MARK_FIRST, kMarkChoices, state.mode.markHz);
    CheckChoice(bar, IDM_ENGINE_STOP_FIRST, kStopBitChoices,
                state.navtex || state.fax ? unchecked : state.mode.stopBits);
    const auto check = [&](int id, bool on) { CheckMenuItem(bar, static_cast<UINT>(id), on ? MF_CHECKED : MF_UNCHECKED); };
    check(IDM_ENGINE_MODE_FOUND, state.findMode && !state.navtex && !state.fax);
    check(IDM_ENGINE_NAVTEX, state.navtex);
    check(IDM_ENGINE_FAX, state.fax);
    int frequencyHz = 0;
    for (int id = IDM_ENGINE_FAX_FREQUENCY_FIRST; PickFaxFrequency(id, frequencyHz); ++id)
        check(id, frequencyHz == state.faxFrequencyHz);
    check(IDM_ENGINE_FAX_DEVIATION_400, Near(state.faxDeviationHz, 400.0));
    check(IDM_ENGINE_FAX_DEVIATION_425, Near(state.faxDeviationHz, 425.0));
    for (const int id : {IDM_ENGINE_FAX_LINES_LONGER, IDM_ENGINE_FAX_LINES_SHORTER, IDM_ENGINE_FAX_START_LEFT,
                         IDM_ENGINE_FAX_START_RIGHT})
        EnableMenuItem(bar, static_cast<UINT>(id), state.fax ? MF_ENABLED : MF_GRAYED);
    for (int at = 0; at < kPresetCount; ++at) {
        const Preset& preset = kPresets[at];
        check(IDM_ENGINE_PRESET_FIRST + at, rttyChosen && Near(preset.baud, state.mode.baud) &&
                                                Near(preset.shiftHz, state.mode.shiftHz) &&
                                                Near(preset.stopBits, state.mode.stopBits));
    }
    // SITOR-B's code tells its polarity (every character has four B bits, read the other way round three): NAVTEX
    // finds it, always, and the entries stay RTTY's choice for when NAVTEX is left.
    const bool polarityFound = state.findPolarity || state.navtex;
    check(IDM_ENGINE_POLARITY_FOUND, polarityFound);
    check(IDM_ENGINE_POLARITY_NORMAL, !polarityFound && !state.mode.reversed);
    check(IDM_ENGINE_POLARITY_REVERSED, !polarityFound && state.mode.reversed);
    // Polarity and unshift on space are RTTY's: grayed where NAVTEX or radiofax is read, kept for RTTY.
    for (const int id : {IDM_ENGINE_POLARITY_FOUND, IDM_ENGINE_POLARITY_NORMAL, IDM_ENGINE_POLARITY_REVERSED,
                         IDM_ENGINE_UNSHIFT_ON_SPACE})
        EnableMenuItem(bar, static_cast<UINT>(id), state.navtex || state.fax ? MF_GRAYED : MF_ENABLED);
    CheckMenuItem(bar, IDM_ENGINE_UNSHIFT_ON_SPACE, state.unshiftOnSpace ? MF_CHECKED : MF_UNCHECKED);
    CheckMenuItem(bar, IDM_ENGINE_FAST, state.fast ? MF_CHECKED : MF_UNCHECKED);
    EnableMenuItem(bar, IDM_ENGINE_PLAY_AGAIN, state.canPlayAgain ? MF_ENABLED : MF_GRAYED);
    CheckMenuItem(inputs_, IDM_ENGINE_INPUT_FILE, state.device < 0 ? MF_CHECKED : MF_UNCHECKED);
    for (std::size_t at = 0; at < devices_; ++at)
        CheckMenuItem(inputs_, static_cast<UINT>(IDM_ENGINE_DEVICE_FIRST + static_cast<int>(at)),
                      static_cast<int>(at) == state.device ? MF_CHECKED : MF_UNCHECKED);
}

bool EngineMenu::PickModeChoice(int id, decoder::RttyMode& mode) {
    if (id >= IDM_ENGINE_PRESET_FIRST && id < IDM_ENGINE_PRESET_FIRST + kPresetCount) {
        const Preset& preset = kPresets[id - IDM_ENGINE_PRESET_FIRST];
        mode.baud = preset.baud;
        mode.shiftHz = preset.shiftHz;
        mode.stopBits = preset.stopBits;
        return true;
    }
    return PickChoice(id, IDM_ENGINE_BAUD_FIRST, kBaudChoices, mode.baud) ||
           PickChoice(id, IDM_ENGINE_SHIFT_FIRST, kShiftChoices, mode.shiftHz) ||
           PickChoice(id, IDM_ENGINE_MARK_FIRST, kMarkChoices, mode.markHz) ||
           PickChoice(id, IDM_ENGINE_STOP_FIRST, kStopBitChoices, mode.stopBits);
}

bool EngineMenu::ChoosesBaudOrShift(int id) {
    return (id >= IDM_ENGINE_PRESET_FIRST && id < IDM_ENGINE_PRESET_FIRST + kPresetCount) ||
           (id >= IDM_ENGINE_BAUD_FIRST && id < IDM_ENGINE_BAUD_FIRST + static_cast<int>(kBaudChoices.size())) ||
           (id >= IDM_ENGINE_SHIFT_FIRST && id < IDM_ENGINE_SHIFT_FIRST + static_cast<int>(kShiftChoices.size()));
}

bool EngineMenu::PickFaxFrequency(int id, int& frequencyHz) {
    const int at = id - IDM_ENGINE_FAX_FREQUENCY_FIRST;
    if (at < 0 || at >= static_cast<int>(std::size(weatherfax::kPinnebergFrequencies))) return false;
    frequencyHz = weatherfax::kPinnebergFrequencies[at].frequencyHz;
    return true;
}

bool EngineMenu::ChoosesRtty(int id) {
    return id == IDM_ENGINE_MODE_FOUND || ChoosesBaudOrShift(id) ||
           (id >= IDM_ENGINE_STOP_FIRST && id < IDM_ENGINE_STOP_FIRST + static_cast<int>(kStopBitChoices.size()));
}

}  // namespace zorbel::engine_side
