#pragma once
// The storage folders in Explorer, through the shell's "explore" verb.

#include <windows.h>

#include "platform/FolderShell.h"

namespace zorbel::win32 {

class ExplorerFolderShell : public platform::FolderShell {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool ShowFolder(std::wstring_view widePath) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace zorbel::win32
