#pragma once
// The common open and save dialogs: for Rx window documents, and as one call
// for other files.

#include <windows.h>

#include <string_view>

#include "platform/FileDialogs.h"

namespace zorbel::win32 {

struct FileDialogRequest {
    const wchar_t* title;
    std::wstring_view barFilter;  // description|pattern|..., "|" for the NULs the dialog wants
    DWORD flags;
    bool save = false;
    bool extensionFollowsFilter = false;  // rtf or txt, as the filter the user picks
    const wchar_t* defaultExtension = nullptr;
};

// The dialog starts in `startFolder`; the program's current directory stays.
platform::FileChoice ShowFileDialog(HWND owner, const FileDialogRequest& request, const std::wstring& startFolder,
                                    int filterIndex, const std::wstring& proposedName);

class WindowsFileDialogs : public platform::FileDialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    platform::FileChoice AskOpenPath(const std::wstring& wideStartFolder, int filterIndex) override;
    platform::FileChoice AskSavePath(const std::wstring& wideStartFolder, int filterIndex,
                                     const std::wstring& wideProposedName) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
