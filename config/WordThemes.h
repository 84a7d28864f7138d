#pragma once
// The word themes (presets) chosen from the menu "&Startwort/Stopwort": each
// one sets the word lists, the capture category, the two capture flags, the
// window title, the theme label and the check marks of the theme entries.

#include <array>
#include <string>
#include <string_view>

#include "config/CaptureSettings.h"
#include "config/ProgramValues.h"
#include "config/WordLists.h"
#include "platform/MenuChecks.h"
#include "platform/SettingsStore.h"
#include "platform/ThemeControls.h"

namespace zorbel {

class WordThemes {
public:
    WordThemes(platform::ThemeControls& controls, platform::MenuChecks& checks, WordLists& lists,
               const platform::SettingsStore& store, CaptureSettings& settings);

    // At start-up: the two flags, the stored theme with its check mark,
    // category and title, and its stored lists (or its start-up defaults).
    void LoadAtStartUp();

    void ChooseEverything();
    void ChooseAmateurRadio();
    // The five sea areas, each with its menu entry, theme name and menu start list.
    void ChooseSeaArea(platform::MenuEntry entry, std::string_view theme, std::string_view menuStartList);
    void ShowWeatherTitle();
    // "Standard &Wörter": the reset lists of the current theme.
    void RestoreStandardWords();

    const std::string& Theme() const { return theme_; }
    bool IsChecked(platform::MenuEntry entry) const { return checked_[Index(entry)]; }

private:
    static std::size_t Index(platform::MenuEntry entry) { return static_cast<std::size_t>(entry); }
    void SetChecked(platform::MenuEntry entry, bool checked);
    void SetTitleSuffix(std::string_view suffix);
    void SetTheme(std::string_view theme);
    void ChooseListTheme(std::string_view theme, CaptureCategory category, std::string_view startDefault,
                         std::string_view stopDefault);
    void FillFromStore(std::string_view startDefault, std::string_view stopDefault);
    std::string StoredOr(std::string_view key, std::string_view fallback) const;

    platform::ThemeControls& controls_;
    platform::MenuChecks& checks_;
    WordLists& lists_;
    const platform::SettingsStore& store_;
    CaptureSettings& settings_;
    std::string theme_;
    // Indexed by entry: the theme entries lead the enum.
    static_assert(static_cast<std::size_t>(platform::MenuEntry::Alles) + 1 == values::kThemePresets.size());
    std::array<bool, values::kThemePresets.size()> checked_{};
};

// The preset of a theme name; nothing for a name outside the tables.
const values::ThemePreset* FindThemePreset(std::string_view theme);

}  // namespace zorbel
