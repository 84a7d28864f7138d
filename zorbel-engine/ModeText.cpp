#include "zorbel-engine/ModeText.h"

#include <algorithm>
#include <cwchar>

namespace zorbel::engine_side {

std::wstring GermanNumber(double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", value);
    std::wstring shown(text);
    std::replace(shown.begin(), shown.end(), L'.', L',');
    return shown;
}

std::wstring ModeText(const decoder::RttyMode& mode, PolarityState polarity, bool unshiftOnSpace, double firstNotchHz,
                      double secondNotchHz) {
    const std::wstring read = mode.reversed ? L"revers" : L"normal";
    const std::wstring shown = polarity == PolarityState::Chosen  ? read
                               : polarity == PolarityState::Found ? read + L" (erkannt)"
                                                                  : L"Polarität automatisch";
    return GermanNumber(mode.baud) + L" Bd · Shift " + GermanNumber(mode.shiftHz) + L" Hz · Mark " +
           GermanNumber(mode.markHz) + L" Hz · " + shown + L" · " +
           GermanNumber(mode.stopBits) + L" Stopbits · " + (unshiftOnSpace ? L"UOS · " : L"") + L"Notch " +
           GermanNumber(firstNotchHz) + L" / " +
           GermanNumber(secondNotchHz) + L" Hz";
}

}  // namespace zorbel::engine_side
