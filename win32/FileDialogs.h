#pragma once
// The common open and save dialogs for Rx window documents.

#include <windows.h>

#include "platform/FileDialogs.h"

namespace zorbel::win32 {

class WindowsFileDialogs : public platform::FileDialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }

    std::optional<platform::ChosenFile> AskOpenPath(const std::wstring& wideStartFolder, int filterIndex) override;
    std::optional<platform::ChosenFile> AskSavePath(const std::wstring& wideStartFolder, int filterIndex,
                                                    const std::wstring& wideProposedName) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
