#pragma once
// The engine's own settings, kept per user under
// HKEY_CURRENT_USER\Software\ZORBEL\Engine: the mode, whether baud and
// shift and whether the polarity are found from the signal, unshift on
// space, NAVTEX or radiofax read instead of RTTY with the fax's frequency
// and deviation, the input device, the last recording played and the
// folder of the weather charts.

#include <string>

#include "decoder/RttyMode.h"
#include "platform/SettingsStore.h"

namespace zorbel::engine_side {

inline constexpr wchar_t kEngineSettingsKey[] = L"Software\\ZORBEL\\Engine";

// The sound card's device number, or none: the engine plays recordings.
inline constexpr int kNoDevice = -1;
// The input menu lists at most this many sound cards, numbered from 0.
inline constexpr int kMostDevices = 63;

struct EngineSettings {
    // Its baud and shift are the ones chosen, or the last found; its
    // polarity the one chosen, or where finding it starts.
    decoder::RttyMode mode;
    bool findMode = true;
    bool findPolarity = true;
    bool unshiftOnSpace = false;
    // The RTTY mode above is kept meanwhile, and NAVTEX's tones lie from its mark up.
    bool navtex = false;
    // Weather charts instead, from the weather service's transmitter on this frequency.
    bool fax = false;
    int faxFrequencyHz = 7'880'000;
    double faxDeviationHz = 400.0;
    int device = kNoDevice;
    std::wstring lastFile;
    bool fast = false;
    std::wstring chartFolder;  // empty: "Wetterkarten" in the user's documents
};

// The stored settings. What is missing keeps its default, and so does what
// is no number or lies outside what it may be: refused then names those
// (in German, for the window's message line), otherwise it is "".
EngineSettings LoadEngineSettings(const platform::SettingsStore& store, std::wstring& refused);
void SaveEngineSettings(platform::SettingsStore& store, const EngineSettings& settings);

}  // namespace zorbel::engine_side
