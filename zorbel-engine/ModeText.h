#pragma once
// The mode as the engine window shows it, with German decimal commas:
// "50 Bd · Shift 450 Hz · Mark 1000 Hz · revers · 1,5 Stopbits · Notch 0 / 0 Hz",
// with "UOS" before the notches while a space returns to letters. A polarity
// found from the signal reads "revers (erkannt)", one still being decided
// "Polarität automatisch". Baud and shift found read "50 Bd · Shift 450 Hz
// (erkannt)"; while they are searched, "Baud und Shift automatisch" stands
// in place of them and the mark.
// NAVTEX reads "NAVTEX · 100 Bd · Shift 170 Hz · Mark 915 Hz · sucht · Notch 0 / 0 Hz",
// and "eingerastet" in place of "sucht" once locked, its mark (the lower tone, as
// MMTTY counts) then followed and shown rounded.
// Radiofax reads "Wetterfax · 120 U/min · IOC 576 · Hub ±400 Hz · 7880 kHz ·
// wartet", and "Zeile 312" in place of "wartet" while a chart comes.

#include <optional>
#include <string>

#include "decoder/FaxMode.h"
#include "decoder/RttyMode.h"
#include "zorbel-engine/PolarityState.h"

namespace zorbel::engine_side {

std::wstring GermanNumber(double value);
// mode: as read (chosen or found).
std::wstring ModeText(const decoder::RttyMode& mode, ModeState baudAndShift, PolarityState polarity,
                      bool unshiftOnSpace, double firstNotchHz, double secondNotchHz);
// mode: NAVTEX's as read, its markHz the lower tone.
std::wstring NavtexModeText(const decoder::RttyMode& mode, bool locked, double firstNotchHz, double secondNotchHz);
// lines: of the chart under way, none while waiting for one.
std::wstring FaxModeText(const decoder::FaxMode& mode, int frequencyHz, std::optional<int> lines);

}  // namespace zorbel::engine_side
