#include "shell/WindowControls.h"

#include "shell/resource.h"
#include "win32/Encoding.h"

namespace zorbel::shell {

void WindowControls::SetWindowTitle(std::string_view utf8Title) {
    SetWindowTextW(main_, win32::Utf8ToWide(utf8Title).c_str());
}

void WindowControls::SetThemeLabel(std::string_view ansiTheme) { themeLabel_.SetText(ansiTheme); }

}  // namespace zorbel::shell
