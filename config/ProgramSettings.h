#pragma once
// All user settings in the per-user store: read once after the main window's
// load and before it is shown, written once at the end of the exit, both in
// the order of the keys.

#include <string_view>

#include "config/CaptureSettings.h"
#include "config/StorageFolders.h"
#include "config/WindowPlacement.h"
#include "config/WordLists.h"
#include "config/WordThemes.h"
#include "platform/SettingsStore.h"

namespace zorbel {

class ProgramSettings {
public:
    ProgramSettings(platform::SettingsStore& store, WordThemes& themes, const WordLists& lists,
                    CaptureSettings& capture, StorageFolders& folders);

    // wideCurrentFolder: the current directory, under which the default folder "Wetterberichte" lies.
    void Load(std::wstring_view wideCurrentFolder);
    // normalSize: the window's size when neither minimised nor maximised.
    void Save(TwipsSize normalSize);

    // The main window's size as stored; PlaceWindow brings it onto a screen.
    TwipsSize StoredSize() const { return storedSize_; }

private:
    std::wstring StoredOrDefault(std::wstring_view wideKey, std::wstring_view fallback) const;

    platform::SettingsStore& store_;
    WordThemes& themes_;
    const WordLists& lists_;
    CaptureSettings& capture_;
    StorageFolders& folders_;
    TwipsSize storedSize_{};
};

}  // namespace zorbel
