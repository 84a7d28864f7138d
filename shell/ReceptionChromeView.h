#pragma once
// Shows the reception chrome on the main window's controls and menus.

#include <windows.h>

#include "platform/ReceptionView.h"
#include "win32/RecordButton.h"
#include "win32/RxWindow.h"
#include "win32/Toolbar.h"

namespace zorbel::shell {

class ReceptionChromeView : public platform::ReceptionView {
public:
    ReceptionChromeView(win32::RecordButton& recordButton, win32::Toolbar& fileToolbar, win32::Toolbar& formatToolbar,
                        win32::RxWindow& rx)
        : recordButton_(recordButton), fileToolbar_(fileToolbar), formatToolbar_(formatToolbar), rx_(rx) {}

    void Attach(HWND mainWindow) { main_ = mainWindow; }

    void ShowChrome(const platform::ReceptionChrome& chrome) override;

private:
    win32::RecordButton& recordButton_;
    win32::Toolbar& fileToolbar_;
    win32::Toolbar& formatToolbar_;
    win32::RxWindow& rx_;
    HWND main_ = nullptr;
};

}  // namespace zorbel::shell
