#pragma once
// The system's file manager (Explorer), showing one folder.

#include <string_view>

namespace zorbel::platform {

class FolderShell {
public:
    virtual ~FolderShell() = default;
    // Opens a window of the file manager on the folder; false when the system refused.
    virtual bool ShowFolder(std::wstring_view widePath) = 0;
};

}  // namespace zorbel::platform
