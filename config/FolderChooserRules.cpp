#include "config/FolderChooserRules.h"

#include "config/FolderPath.h"

namespace zorbel {
namespace {

constexpr std::wstring_view kCancelledName = L"Abbrechen";

}  // namespace

std::wstring DriveEntryText(wchar_t driveLetter, std::wstring_view wideLabel) {
    const bool capital = driveLetter >= L'A' && driveLetter <= L'Z';
    std::wstring entry{static_cast<wchar_t>(capital ? driveLetter + (L'a' - L'A') : driveLetter), L':'};
    if (!wideLabel.empty()) entry += L" [" + std::wstring(wideLabel) + L']';
    return entry;
}

std::wstring DriveRootOf(std::wstring_view driveEntry) {
    const auto bracket = driveEntry.find(L'[');
    if (bracket != std::wstring_view::npos) driveEntry = TrimBlanks(driveEntry.substr(0, bracket));
    return JoinFolder(UpperCase(driveEntry), L"");
}

std::wstring ChooserStartFolder(std::wstring_view wideDrive, std::wstring_view wideWeatherFolder,
                                bool weatherFolderExists) {
    const std::wstring root = DriveRootOf(wideDrive);
    // The weather folder's own case counts here: a folder typed in lower case starts at the root.
    if (weatherFolderExists && wideWeatherFolder.find(root) != std::wstring_view::npos)
        return std::wstring(wideWeatherFolder);
    return root;
}

std::optional<std::wstring> ChosenPath(const platform::FolderChoice& choice) {
    if (choice.folderName == kCancelledName) return std::nullopt;
    return JoinFolder(UpperCase(choice.wideFolder), UpperCase(choice.folderName));
}

}  // namespace zorbel
