#include "config/StorageFolders.h"

#include "config/FolderChooserRules.h"
#include "config/FolderPath.h"
#include "codepage/Utf8.h"

namespace zorbel {
namespace {

using platform::ErrorAnswer;
using platform::MessageIcon;

// What the chooser proposes and its name field's tip, in the order of StorageFolder. The tip has always named
// the weather reports for the three folders of old; NAVTEX messages are no weather reports.
struct ChooserWords {
    std::wstring_view proposedName;
    std::wstring_view nameTip;
};
constexpr std::wstring_view kWeatherTip = L"Ordner zum Abspeichern der Wetterberichte";
constexpr std::array<ChooserWords, 4> kChooserWords{{{L"Wetterberichte", kWeatherTip},
                                                     {L"Amateurfunk", kWeatherTip},
                                                     {L"Sonstige Dateien", kWeatherTip},
                                                     {L"NAVTEX", L"Ordner zum Abspeichern der NAVTEX-Meldungen"}}};

constexpr std::string_view kRefusalTitle = "Fehler";
constexpr std::string_view kSimilarNamePrompt =
    "Ordner anlegen mit gleichen oder ähnlichen \r\nBezeichnungen ist nicht möglich! ";
constexpr std::string_view kFolderTherePrompt = "Ordner ist schon vorhanden!";
constexpr std::string_view kInvalidNamePrompt =
    "Ein Ordnername darf keines der Zeichen \\ / : * ? \" < > | enthalten\r\n"
    "und nicht mit einem Punkt oder Leerzeichen enden!";
constexpr std::string_view kDeviceNamePrompt =
    "CON, PRN, AUX, NUL, COM1 bis COM9 und LPT1 bis LPT9 sind unter Windows Gerätenamen\r\n"
    "und können kein Ordnername sein, auch nicht mit einer Endung!";
constexpr std::string_view kSetUpErrorTitle = " Fehler ";
constexpr std::string_view kFileInTheWayPrompt = "Eine Datei mit diesem Namen ist schon vorhanden!";
constexpr std::string_view kCreateFailedPrompt = "Fehler beim Zugriff auf Pfad/Datei";
constexpr std::string_view kShowTitle = "Ablageordner öffnen";
constexpr std::string_view kShowMissingEnd = "“ ist nicht vorhanden und lässt sich nicht anlegen.";
constexpr std::string_view kShowRefusedEnd = "“ lässt sich nicht im Explorer öffnen.";

// A folder whose name already stands on its own path, such as
// C:\WETTERBERICHTE_ALT\WETTERBERICHTE: a plain substring test, in upper case.
bool HasSimilarNameOnPath(const SplitPath& path) {
    return UpperCase(path.parent).find(UpperCase(path.tail)) != std::wstring::npos;
}

}  // namespace

StorageFolders::StorageFolders(platform::Files& files, platform::FolderChooser& chooser, platform::Dialogs& dialogs)
    : files_(files), chooser_(chooser), dialogs_(dialogs) {}

void StorageFolders::Restore(std::wstring_view wideWeather, std::wstring_view wideAmateurRadio,
                             std::wstring_view wideOtherFiles, std::wstring_view wideNavtex,
                             std::wstring_view wideDefaultFolder) {
    paths_ = {std::wstring(wideWeather), std::wstring(wideAmateurRadio), std::wstring(wideOtherFiles),
              std::wstring(wideNavtex)};
    if (!files_.FolderExists(wideWeather)) RestoreMissingWeather(wideDefaultFolder);
    if (wideNavtex.empty())
        paths_[Index(StorageFolder::Navtex)] =
            JoinFolder(SplitAtLastBackslash(Path(StorageFolder::Weather)).parent,
                       kChooserWords[Index(StorageFolder::Navtex)].proposedName);
}

void StorageFolders::RestoreMissingWeather(std::wstring_view wideDefaultFolder) {
    const std::wstring wideWeather = Path(StorageFolder::Weather);
    missingWeatherFolder_ = wideWeather;
    paths_[Index(StorageFolder::Weather)] = wideDefaultFolder;
    SetUp(StorageFolder::Weather);
    // A first start: the folders never set would stay on the default, which
    // does not exist, and automatic saving would go nowhere.
    const std::wstring& chosen = Path(StorageFolder::Weather);
    if (chosen == wideDefaultFolder) return;
    for (const StorageFolder folder : {StorageFolder::AmateurRadio, StorageFolder::OtherFiles})
        if (UpperCase(Path(folder)) == UpperCase(wideDefaultFolder)) Assign(folder, chosen);
}

const std::wstring& StorageFolders::PathToStore(StorageFolder folder) const {
    if (folder == StorageFolder::Weather && missingWeatherFolder_) return *missingWeatherFolder_;
    return Path(folder);
}

void StorageFolders::Assign(StorageFolder folder, std::wstring widePath) {
    if (folder == StorageFolder::Weather) missingWeatherFolder_.reset();
    paths_[Index(folder)] = std::move(widePath);
}

void StorageFolders::Show(StorageFolder folder, platform::FolderShell& shell) {
    const std::wstring& path = Path(folder);
    const bool there = files_.FolderExists(path) || files_.CreateDirectories(path);
    if (there && shell.ShowFolder(path)) return;
    dialogs_.ShowMessage(MessageIcon::Exclamation,
                         "Der Ordner „" + EncodeUtf8(path) + std::string(there ? kShowRefusedEnd : kShowMissingEnd),
                         kShowTitle);
}

void StorageFolders::SetUp(StorageFolder folder) {
    const std::wstring& current = Path(folder);
    const SplitPath currentSplit = SplitAtLastBackslash(current);
    const std::wstring fallback = HasSimilarNameOnPath(currentSplit) ? currentSplit.parent : current;
    for (;;) {  // Retry after an error opens the chooser again
        const std::wstring& weather = Path(StorageFolder::Weather);
        const ChooserWords& words = kChooserWords[Index(folder)];
        const auto choice = chooser_.Choose(
            ChooserStartFolder(current.substr(0, 3), weather, files_.FolderExists(weather)), words.proposedName,
            words.nameTip);
        const auto chosen = choice ? ChosenPath(*choice) : std::nullopt;
        if (!chosen) return;
        // Checked first: such a name can never become a folder, so nothing else about it matters.
        if (!IsValidFolderName(choice->folderName)) {
            dialogs_.ShowMessage(MessageIcon::Exclamation,
                                 IsReservedDeviceName(choice->folderName) ? kDeviceNamePrompt : kInvalidNamePrompt,
                                 kRefusalTitle);
            return;
        }
        if (HasSimilarNameOnPath(SplitAtLastBackslash(*chosen))) {
            Assign(folder, fallback);
            dialogs_.ShowMessage(MessageIcon::Exclamation, kSimilarNamePrompt, kRefusalTitle);
            return;
        }
        if (files_.FolderExists(*chosen)) {
            Assign(folder, *chosen);
            dialogs_.ShowMessage(MessageIcon::Exclamation, kFolderTherePrompt, kRefusalTitle);
            return;
        }
        const bool fileInTheWay = files_.FileExists(*chosen);
        if (fileInTheWay || !files_.CreateFolder(*chosen)) {
            const auto answer = dialogs_.AskAbortRetryIgnore(
                fileInTheWay ? kFileInTheWayPrompt : kCreateFailedPrompt, kSetUpErrorTitle);
            if (answer == ErrorAnswer::Retry) continue;
            // A file can never be the folder: Ignore then leaves the folder as it was, like Abort.
            if (answer == ErrorAnswer::Abort || fileInTheWay) return;
        }
        // Ignore goes on as if the folder had been made: a drive that is gone now may come back.
        Assign(folder, *chosen);
        return;
    }
}

}  // namespace zorbel
