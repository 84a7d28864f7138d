#pragma once
// The main window's controls and menus as reception and the word themes
// change them.

#include <windows.h>

#include "platform/CaptureControls.h"
#include "platform/ThemeControls.h"
#include "platform/win32/RxWindow.h"
#include "platform/win32/Toolbar.h"
#include "platform/win32/Label.h"

namespace zorbel::shell {

class WindowControls : public platform::CaptureControls, public platform::ThemeControls {
public:
    WindowControls(win32::RxWindow& rx, win32::Toolbar& toolbar1, win32::Toolbar& toolbar2, win32::Label& labelTema)
        : rx_(rx), toolbar1_(toolbar1), toolbar2_(toolbar2), labelTema_(labelTema) {}

    void Attach(HWND mainWindow, HWND command2) {
        main_ = mainWindow;
        command2_ = command2;
    }

    void SetRecordCaption(std::string_view utf8Caption) override;
    void SetToolbarsEnabled(bool enabled) override;
    void SetToolbar2Enabled(bool enabled) override;
    void SetFileAndHelpMenusEnabled(bool enabled) override;
    void SetRxLocked(bool locked) override;
    void SetRxKillEnabled(bool enabled) override;
    void ClearRx() override;
    void ResetRxFormat(std::string_view utf8FontName, int pointSize) override;

    void SetWindowTitle(std::string_view utf8Title) override;
    void SetThemeLabel(std::string_view ansiTheme) override;

private:
    win32::RxWindow& rx_;
    win32::Toolbar& toolbar1_;
    win32::Toolbar& toolbar2_;
    win32::Label& labelTema_;
    HWND main_ = nullptr;
    HWND command2_ = nullptr;
};

}  // namespace zorbel::shell
