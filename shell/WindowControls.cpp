#include "shell/WindowControls.h"

#include "platform/win32/Encoding.h"
#include "shell/resource.h"

namespace zorbel::shell {
namespace {

// Top-level positions in the menu bar.
constexpr UINT kFileMenuPosition = 0;
constexpr UINT kHelpMenuPosition = 4;

}  // namespace

void WindowControls::SetRecordCaption(std::string_view utf8Caption) {
    SetWindowTextW(command2_, win32::Utf8ToWide(utf8Caption).c_str());
}

void WindowControls::SetToolbarsEnabled(bool enabled) {
    toolbar1_.SetEnabled(enabled);
    toolbar2_.SetEnabled(enabled);
}

void WindowControls::SetToolbar2Enabled(bool enabled) { toolbar2_.SetEnabled(enabled); }

void WindowControls::SetFileAndHelpMenusEnabled(bool enabled) {
    HMENU menu = GetMenu(main_);
    const UINT state = MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, kFileMenuPosition, state);
    EnableMenuItem(menu, kHelpMenuPosition, state);
    DrawMenuBar(main_);
}

void WindowControls::SetRxLocked(bool locked) { rx_.SetLocked(locked); }

void WindowControls::SetRxKillEnabled(bool enabled) {
    EnableMenuItem(GetMenu(main_), IDM_RXKILL, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void WindowControls::ClearRx() { rx_.Clear(); }

void WindowControls::ResetRxFormat(std::string_view utf8FontName, int pointSize) {
    rx_.ResetFormat(win32::Utf8ToWide(utf8FontName), pointSize);
}

void WindowControls::SetWindowTitle(std::string_view utf8Title) {
    SetWindowTextW(main_, win32::Utf8ToWide(utf8Title).c_str());
}

void WindowControls::SetThemeLabel(std::string_view ansiTheme) { labelTema_.Show(ansiTheme); }

}  // namespace zorbel::shell
