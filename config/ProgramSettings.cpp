#include "config/ProgramSettings.h"

#include "codepage/Cp1252.h"
#include "config/FolderPath.h"
#include "config/ListText.h"
#include "config/ProgramValues.h"
#include "config/SettingsText.h"

namespace zorbel {
namespace {

constexpr std::wstring_view kKeyHeight = L"FHöhe";
constexpr std::wstring_view kKeyWidth = L"FBreite";
constexpr std::wstring_view kKeyAutoSave = L"AutomSpeichern";
constexpr std::wstring_view kKeyWeatherFolder = L"SpeicherOrdner";
constexpr std::wstring_view kKeyAmateurRadioFolder = L"SpeicherOrdnerAFu";
constexpr std::wstring_view kKeyOtherFilesFolder = L"SpeicherOrdnerSyn";
constexpr std::wstring_view kKeyNavtexFolder = L"SpeicherOrdnerNavtex";
constexpr std::wstring_view kKeyNavtexFrequency = L"NavtexFrequenz";  // in Hz
constexpr TwipsSize kDefaultSize{9000, 6075};

// Keys and lists stay 8-bit text in the program; the store holds them as UTF-16.
std::wstring Wide(std::string_view cp1252Text) {
    return Cp1252ToWide(cp1252Text);
}

}  // namespace

ProgramSettings::ProgramSettings(platform::SettingsStore& store, WordThemes& themes, const WordLists& lists,
                                 CaptureSettings& capture, StorageFolders& folders)
    : store_(store), themes_(themes), lists_(lists), capture_(capture), folders_(folders) {}

std::wstring ProgramSettings::StoredOrDefault(std::wstring_view wideKey, std::wstring_view fallback) const {
    const auto stored = store_.GetText(wideKey);
    return std::wstring(stored && !stored->empty() ? *stored : fallback);
}

void ProgramSettings::Load(std::wstring_view wideCurrentFolder) {
    storedSize_.height = ReadTwips(store_.GetText(kKeyHeight), kDefaultSize.height);
    storedSize_.width = ReadTwips(store_.GetText(kKeyWidth), kDefaultSize.width);
    // The two flags, the theme and its lists.
    themes_.LoadAtStartUp();

    const std::wstring defaultFolder = JoinFolder(wideCurrentFolder, Wide(values::kDefaultFolderName));
    folders_.Restore(StoredOrDefault(kKeyWeatherFolder, defaultFolder),
                     StoredOrDefault(kKeyAmateurRadioFolder, defaultFolder),
                     StoredOrDefault(kKeyOtherFilesFolder, defaultFolder), StoredOrDefault(kKeyNavtexFolder, L""),
                     defaultFolder);
    capture_.wideCaptureFolder = folders_.Path(StorageFolder::OtherFiles);

    capture_.autoSave = ReadBoolean(store_.GetText(kKeyAutoSave), true);
    // The NAVTEX reception takes only a frequency it knows.
    capture_.navtexFrequencyHz = ReadTwips(store_.GetText(kKeyNavtexFrequency), capture_.navtexFrequencyHz);
}

void ProgramSettings::Save(TwipsSize normalSize) {
    storedSize_ = normalSize;
    store_.SetText(kKeyHeight, TwipsText(normalSize.height));
    store_.SetText(kKeyWidth, TwipsText(normalSize.width));
    store_.SetText(Wide(values::kKeyNoStartWord), BooleanText(capture_.noStartWord));
    store_.SetText(Wide(values::kKeyNoStopWord), BooleanText(capture_.noStopWord));
    store_.SetText(kKeyAutoSave, BooleanText(capture_.autoSave));
    // Only the current theme's lists: those of other themes keep what an earlier run stored.
    const std::wstring theme = Wide(themes_.Theme());
    store_.SetText(Wide(values::kKeyStartWordList) + theme, Wide(FormatListText(lists_.StartWords())));
    store_.SetText(Wide(values::kKeyStopWordList) + theme, Wide(FormatListText(lists_.StopWords())));
    store_.SetText(Wide(values::kKeyTheme), theme);
    store_.SetText(kKeyWeatherFolder, folders_.PathToStore(StorageFolder::Weather));
    store_.SetText(kKeyAmateurRadioFolder, folders_.PathToStore(StorageFolder::AmateurRadio));
    store_.SetText(kKeyOtherFilesFolder, folders_.PathToStore(StorageFolder::OtherFiles));
    store_.SetText(kKeyNavtexFolder, folders_.PathToStore(StorageFolder::Navtex));
    store_.SetText(kKeyNavtexFrequency, std::to_wstring(capture_.navtexFrequencyHz));
}

}  // namespace zorbel
