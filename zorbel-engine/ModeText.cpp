#include "zorbel-engine/ModeText.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace zorbel::engine_side {

std::wstring GermanNumber(double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.10g", value);
    std::wstring shown(text);
    std::replace(shown.begin(), shown.end(), L'.', L',');
    return shown;
}

namespace {

std::wstring NotchText(double firstNotchHz, double secondNotchHz) {
    return L"Notch " + GermanNumber(firstNotchHz) + L" / " + GermanNumber(secondNotchHz) + L" Hz";
}

}  // namespace

std::wstring ModeText(const decoder::RttyMode& mode, ModeState baudAndShift, PolarityState polarity,
                      bool unshiftOnSpace, double firstNotchHz, double secondNotchHz) {
    const std::wstring read = mode.reversed ? L"revers" : L"normal";
    const std::wstring shown = polarity == PolarityState::Chosen  ? read
                               : polarity == PolarityState::Found ? read + L" (erkannt)"
                                                                  : L"Polarität automatisch";
    // The mark is found with baud and shift, and shown rounded as chosen marks are.
    const std::wstring tones =
        baudAndShift == ModeState::Deciding
            ? L"Baud und Shift automatisch"
            : GermanNumber(mode.baud) + L" Bd · Shift " + GermanNumber(mode.shiftHz) + L" Hz" +
                  (baudAndShift == ModeState::Found ? L" (erkannt)" : L"") + L" · Mark " +
                  GermanNumber(baudAndShift == ModeState::Found ? std::round(mode.markHz) : mode.markHz) + L" Hz";
    return tones + L" · " + shown + L" · " + GermanNumber(mode.stopBits) + L" Stopbits · " +
           (unshiftOnSpace ? L"UOS · " : L"") + NotchText(firstNotchHz, secondNotchHz);
}

std::wstring NavtexModeText(const decoder::RttyMode& mode, bool locked, double firstNotchHz, double secondNotchHz) {
    return L"NAVTEX · " + GermanNumber(mode.baud) + L" Bd · Shift " + GermanNumber(mode.shiftHz) + L" Hz · Mark " +
           GermanNumber(locked ? std::round(mode.markHz) : mode.markHz) + L" Hz · " +
           (locked ? L"eingerastet" : L"sucht") + L" · " + NotchText(firstNotchHz, secondNotchHz);
}

std::wstring FaxModeText(const decoder::FaxMode& mode, int frequencyHz, std::optional<int> lines) {
    return L"Wetterfax · " + GermanNumber(mode.linesPerMinute) + L" U/min · IOC " + std::to_wstring(mode.ioc) +
           L" · Hub ±" + GermanNumber(mode.deviationHz) + L" Hz · " + GermanNumber(frequencyHz / 1000.0) + L" kHz · " +
           (lines ? L"Zeile " + std::to_wstring(*lines) : std::wstring(L"wartet"));
}

}  // namespace zorbel::engine_side
