#include "win32/DiskListing.h"

#include <windows.h>

#include <memory>

#include "config/FolderChooserRules.h"

namespace zorbel::win32 {
namespace {

// A network drive's share from its device name "\Device\...\;Z:0000000000012345\server\share",
// read from the system's own table: asking the share itself could wait on a dead server.
std::wstring ShareNameOf(const std::wstring& drive) {
    wchar_t target[MAX_PATH] = {};
    if (!QueryDosDeviceW(drive.c_str(), target, MAX_PATH)) return {};
    const std::wstring device(target);
    const auto marker = device.find(L";" + drive);
    if (marker == std::wstring::npos) return {};
    const auto share = device.find(L'\\', marker);
    return share == std::wstring::npos ? std::wstring{} : L"\\" + device.substr(share);
}

std::wstring VolumeLabelOf(const std::wstring& root) {
    // An empty floppy or CD drive fails at once instead of asking the user for a medium.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    wchar_t label[MAX_PATH + 1] = {};
    const bool ready = GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(previousMode);
    return ready ? label : L"";
}

struct SearchCloser {
    void operator()(HANDLE search) const { FindClose(search); }
};

}  // namespace

std::vector<DriveEntry> ListDrives() {
    std::vector<DriveEntry> drives;
    const DWORD present = GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
        if (!(present & (1u << index))) continue;
        const wchar_t letter = static_cast<wchar_t>(L'A' + index);
        const std::wstring drive{letter, L':'};
        const std::wstring root = drive + L'\\';
        const UINT type = GetDriveTypeW(root.c_str());
        const std::wstring label = type == DRIVE_REMOTE ? ShareNameOf(drive) : VolumeLabelOf(root);
        drives.push_back({root, DriveEntryText(letter, label)});
    }
    return drives;
}

std::vector<std::wstring> ListSubfolders(const std::wstring& widePath) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = widePath + (widePath.ends_with(L'\\') ? L"*" : L"\\*");
    HANDLE first = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories,
                                    nullptr, 0);
    if (first == INVALID_HANDLE_VALUE) return names;
    const std::unique_ptr<void, SearchCloser> search(first);
    do {
        const std::wstring_view name(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
            names.emplace_back(name);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

}  // namespace zorbel::win32
