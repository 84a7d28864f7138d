#include "win32/ExplorerFolderShell.h"

#include <shellapi.h>

#include <string>

namespace zorbel::win32 {

bool ExplorerFolderShell::ShowFolder(std::wstring_view widePath) {
    const std::wstring path(widePath);
    // "explore" opens Explorer with its folder tree; a system whose folders know
    // only "open" (a replaced file manager) still shows the folder. Values up to 32 are errors.
    for (const wchar_t* verb : {L"explore", L"open"})
        if (reinterpret_cast<INT_PTR>(ShellExecuteW(owner_, verb, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32)
            return true;
    return false;
}

}  // namespace zorbel::win32
