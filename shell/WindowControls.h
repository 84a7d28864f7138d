#pragma once
// The main window's caption, theme label and menus as the word themes
// change them.

#include <windows.h>

#include "platform/ThemeControls.h"
#include "win32/Label.h"

namespace zorbel::shell {

class WindowControls : public platform::ThemeControls {
public:
    explicit WindowControls(win32::Label& themeLabel) : themeLabel_(themeLabel) {}

    void Attach(HWND mainWindow) { main_ = mainWindow; }

    void SetWindowTitle(std::string_view utf8Title) override;
    void SetThemeLabel(std::string_view ansiTheme) override;

private:
    win32::Label& themeLabel_;
    HWND main_ = nullptr;
};

}  // namespace zorbel::shell
