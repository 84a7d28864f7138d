#pragma once
// The mode as the engine window shows it, with German decimal commas:
// "50 Bd · Shift 450 Hz · Mark 1000 Hz · revers · 1,5 Stopbits · Notch 0 / 0 Hz",
// with "UOS" before the notches while a space returns to letters.

#include <string>

#include "decoder/RttyMode.h"

namespace zorbel::engine_side {

std::wstring GermanNumber(double value);
std::wstring ModeText(const decoder::RttyMode& mode, bool unshiftOnSpace, double firstNotchHz, double secondNotchHz);

}  // namespace zorbel::engine_side
