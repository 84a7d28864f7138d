#pragma once
// What the folder chooser lists: the drives with their entry texts, and the
// subfolders of a folder. Never opens a drive that is not ready or a
// network drive, so listing cannot hang on a slow medium or a dead share.

#include <string>
#include <vector>

namespace zorbel::win32 {

struct DriveEntry {
    std::wstring root;       // "C:\"
    std::wstring entryText;  // "c: [SYSTEM]"
};

std::vector<DriveEntry> ListDrives();

// The names of the folders directly inside widePath, sorted as the system returns them.
std::vector<std::wstring> ListSubfolders(const std::wstring& widePath);

}  // namespace zorbel::win32
