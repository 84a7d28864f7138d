#pragma once
// The modal folder chooser: a drive list, a directory list and
// the folder name to confirm.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel::platform {

// What the chooser showed when "&OK" was pressed: the directory list's path
// and the folder name as typed, both unchanged.
struct FolderChoice {
    std::wstring wideFolder;
    std::wstring folderName;
};

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // Shows the chooser with its directory list on wideStartFolder and the proposed
    // name in the name field, which nameTip explains; nothing when the user cancelled or closed it.
    virtual std::optional<FolderChoice> Choose(std::wstring_view wideStartFolder, std::wstring_view proposedName,
                                               std::wstring_view nameTip) = 0;
};

}  // namespace zorbel::platform
