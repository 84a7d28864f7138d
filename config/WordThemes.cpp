#include "config/WordThemes.h"

#include <algorithm>

#include "codepage/Cp1252.h"
#include "config/SettingsText.h"

namespace zorbel {

using platform::MenuEntry;

namespace {

const values::ThemePreset& PresetOf(std::string_view theme) {
    const auto* preset = FindThemePreset(theme);
    return preset ? *preset : *FindThemePreset(values::kThemeAlles);
}

// Unchecking on the way to general reception stops at the first marked entry, in this order.
constexpr std::array kUncheckOrder{MenuEntry::WetterNordsee, MenuEntry::WetterOstsee,   MenuEntry::WetterMittelmeer,
                                   MenuEntry::AFu,           MenuEntry::WetterAtlantik, MenuEntry::WetterAlle};

}  // namespace

const values::ThemePreset* FindThemePreset(std::string_view theme) {
    const auto it = std::find_if(values::kThemePresets.begin(), values::kThemePresets.end(),
                                 [theme](const values::ThemePreset& preset) { return preset.theme == theme; });
    return it == values::kThemePresets.end() ? nullptr : &*it;
}

WordThemes::WordThemes(platform::ThemeControls& controls, platform::MenuChecks& checks, WordLists& lists,
                       const platform::SettingsStore& store, CaptureSettings& settings)
    : controls_(controls), checks_(checks), lists_(lists), store_(store), settings_(settings) {}

void WordThemes::SetChecked(MenuEntry entry, bool checked) {
    checked_[Index(entry)] = checked;
    checks_.SetChecked(entry, checked);
}

void WordThemes::SetTitleSuffix(std::string_view suffix) {
    std::string title(values::kThemeTitlePrefix);
    title += suffix;
    controls_.SetWindowTitle(title);
}

void WordThemes::SetTheme(std::string_view theme) {
    controls_.SetThemeLabel(theme);
    theme_ = theme;
}

std::string WordThemes::StoredOr(std::string_view key, std::string_view fallback) const {
    // Keys and lists are 8-bit text here and UTF-16 in the store.
    const auto stored = store_.GetText(Cp1252ToWide(key));
    return stored && !stored->empty() ? WideToCp1252(*stored) : std::string(fallback);
}

void WordThemes::FillFromStore(std::string_view startDefault, std::string_view stopDefault) {
    lists_.Fill(StoredOr(std::string(values::kKeyStartWordList) + theme_, startDefault),
                StoredOr(std::string(values::kKeyStopWordList) + theme_, stopDefault));
}

void WordThemes::ChooseListTheme(std::string_view theme, CaptureCategory category, std::string_view startDefault,
                                 std::string_view stopDefault) {
    settings_.noStartWord = false;
    settings_.noStopWord = false;
    lists_.SetEnabled(true);
    SetTheme(theme);
    settings_.category = category;
    FillFromStore(startDefault, stopDefault);
}

void WordThemes::LoadAtStartUp() {
    settings_.noStartWord = ReadBoolean(store_.GetText(Cp1252ToWide(values::kKeyNoStartWord)), false);
    settings_.noStopWord = ReadBoolean(store_.GetText(Cp1252ToWide(values::kKeyNoStopWord)), false);
    SetChecked(MenuEntry::Alles, settings_.noStartWord);
    lists_.SetEnabled(!settings_.noStartWord);

    theme_ = StoredOr(values::kKeyTheme, values::kDefaultTheme);
    // A name outside the tables is restored like general reception but keeps its own list keys.
    const auto& preset = PresetOf(theme_);
    SetChecked(preset.menu, true);
    settings_.category = preset.category;
    // The weather title stays as the main window's load set it.
    if (preset.category != CaptureCategory::Weather) SetTitleSuffix(preset.titleSuffix);
    FillFromStore(preset.startUpStartList, preset.stopList);
    controls_.SetThemeLabel(theme_);
}

void WordThemes::ChooseEverything() {
    const auto& afu = PresetOf(values::kThemeAFu);
    if (IsChecked(MenuEntry::Alles)) {
        // General reception off: the amateur-radio lists, but the category stays "alles".
        SetTitleSuffix(afu.titleSuffix);
        SetChecked(MenuEntry::Alles, false);
        ChooseListTheme(afu.theme, CaptureCategory::Everything, afu.menuStartList, afu.stopList);
        return;
    }
    SetTitleSuffix(values::kTitleSuffixGeneral);
    SetChecked(MenuEntry::Alles, true);
    settings_.noStartWord = true;
    settings_.noStopWord = true;
    lists_.SetEnabled(false);
    SetTheme(values::kThemeAlles);
    settings_.category = CaptureCategory::Everything;
    const auto marked = std::find_if(kUncheckOrder.begin(), kUncheckOrder.end(),
                                     [this](MenuEntry entry) { return IsChecked(entry); });
    if (marked != kUncheckOrder.end()) SetChecked(*marked, false);
}

void WordThemes::ChooseAmateurRadio() {
    if (IsChecked(MenuEntry::AFu)) {
        ChooseEverything();
        SetChecked(MenuEntry::AFu, false);
        return;
    }
    ChooseEverything();
    const auto& afu = PresetOf(values::kThemeAFu);
    SetTitleSuffix(afu.titleSuffix);
    SetChecked(MenuEntry::Alles, false);
    SetChecked(MenuEntry::AFu, true);
    ChooseListTheme(afu.theme, afu.category, afu.menuStartList, afu.stopList);
}

void WordThemes::ChooseSeaArea(MenuEntry entry, std::string_view theme, std::string_view menuStartList) {
    if (IsChecked(entry)) {
        ChooseEverything();
        SetChecked(entry, false);
        return;
    }
    ChooseEverything();
    SetChecked(MenuEntry::Alles, false);
    SetChecked(entry, true);
    SetTitleSuffix(values::kTitleSuffixWeather);
    ChooseListTheme(theme, CaptureCategory::Weather, menuStartList, values::kWeatherStopList);
}

void WordThemes::ShowWeatherTitle() {
    SetTitleSuffix(values::kTitleSuffixWeather);
}

void WordThemes::RestoreStandardWords() {
    const auto& preset = PresetOf(theme_);
    lists_.Fill(preset.resetStartList, preset.stopList);
}

}  // namespace zorbel
