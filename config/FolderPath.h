#pragma once
// Folder paths as UTF-16 text: splitting, joining, upper-casing and the names
// Windows refuses for a folder.

#include <string>
#include <string_view>

namespace zorbel {

// C:\DATEN\WETTERBERICHTE splits into the parent C:\DATEN and the tail
// \WETTERBERICHTE; a path without a backslash is all parent.
struct SplitPath {
    std::wstring parent;
    std::wstring tail;
};
SplitPath SplitAtLastBackslash(std::wstring_view widePath);

// The folder and the name with one backslash between them, also at a drive root.
std::wstring JoinFolder(std::wstring_view wideFolder, std::wstring_view name);

// Upper case for the Latin, Greek and Cyrillic letters of folder names; "ß" stays.
std::wstring UpperCase(std::wstring_view wideText);

std::wstring_view TrimBlanks(std::wstring_view wideText);

// False for the characters \ / : * ? " < > |, control characters, a final dot or blank, and device names.
bool IsValidFolderName(std::wstring_view name);

// A name Windows takes for a device whatever folder it stands in: CON, PRN,
// AUX, NUL, COM0-9, LPT0-9, in any case, also with an extension ("nul.txt").
bool IsReservedDeviceName(std::wstring_view name);

}  // namespace zorbel
