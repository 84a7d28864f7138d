#pragma once
// The modal folder chooser with its name field, drive list,
// directory list, the line naming the folder that OK would set, and the
// buttons "&Abbrechen" and "&OK". The close box counts as cancel.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/FolderChooser.h"
#include "win32/Handles.h"
#include "win32/Tooltips.h"
#include "win32/Window.h"

namespace zorbel::win32 {

class FolderChooserWindow : public Window, public platform::FolderChooser {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    std::optional<platform::FolderChoice> Choose(std::wstring_view wideStartFolder,
                                                 std::wstring_view proposedName,
                                                 std::wstring_view nameTip) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls(std::wstring_view proposedName, std::wstring_view nameTip);
    void OnCommand(int id, int code);
    void OnDriveChange();
    // Shows the path with its parent folders above and its subfolders below.
    void ShowFolder(const std::wstring& widePath);
    void SelectDriveOf(const std::wstring& widePath);
    void ShowChosenPath();
    void Close(bool confirmed);

    HWND owner_ = nullptr;
    HWND nameEdit_ = nullptr;
    HWND driveList_ = nullptr;
    HWND folderList_ = nullptr;
    HWND pathLine_ = nullptr;
    FontHandle font_;
    Tooltips tooltips_;
    std::vector<std::wstring> driveRoots_;     // in the order of the drive list
    std::vector<std::wstring> listedFolders_;  // full path of each directory list line
    std::wstring folder_;                      // the directory list's path
    bool open_ = false;
    bool confirmed_ = false;
};

}  // namespace zorbel::win32
