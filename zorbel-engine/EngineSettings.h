#pragma once
// The engine's own settings, kept per user under
// HKEY_CURRENT_USER\Software\ZORBEL\Engine: the mode, the input device and
// the last recording played.

#include <string>

#include "decoder/RttyMode.h"
#include "platform/SettingsStore.h"

namespace zorbel::engine_side {

// The sound card's device number, or none: the engine plays recordings.
inline constexpr int kNoDevice = -1;

struct EngineSettings {
    decoder::RttyMode mode;
    int device = kNoDevice;
    std::wstring lastFile;
    bool fast = false;
};

inline constexpr wchar_t kEngineSettingsKey[] = L"Software\\ZORBEL\\Engine";

// The stored settings; what is missing or unreadable keeps its default.
EngineSettings LoadEngineSettings(const platform::SettingsStore& store);
void SaveEngineSettings(platform::SettingsStore& store, const EngineSettings& settings);

}  // namespace zorbel::engine_side
