#pragma once
// The common open and save dialogs for Rx window documents.

#include <windows.h>

#include "platform/FileDialogs.h"

namespace zorbel::win32 {

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
