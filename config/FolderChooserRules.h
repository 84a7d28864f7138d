#pragma once
// The rules of the folder chooser that are not window work: the
// drive list's entries, where the directory list starts, and the path a
// confirmed choice gives.

#include <optional>
#include <string>
#include <string_view>

#include "platform/FolderChooser.h"

namespace zorbel {

// A drive list entry such as "c: [SYSTEM]" from the letter and the volume
// label (a network drive's share name); just "c:" without a label.
std::wstring DriveEntryText(wchar_t driveLetter, std::wstring_view wideLabel);

// The upper-cased root of a drive list entry or drive path: "c: [SYSTEM]" and "c:" give "C:\".
std::wstring DriveRootOf(std::wstring_view driveEntry);

// The directory the chooser opens on for a drive: the weather-report folder
// when it exists on that drive, otherwise the drive's root.
std::wstring ChooserStartFolder(std::wstring_view wideDrive, std::wstring_view wideWeatherFolder,
                                bool weatherFolderExists);

// The upper-cased folder path of a confirmed choice; nothing for the name
// "Abbrechen", which stands for a cancelled choice.
std::optional<std::wstring> ChosenPath(const platform::FolderChoice& choice);

}  // namespace zorbel
