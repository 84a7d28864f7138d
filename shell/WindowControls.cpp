#include "shell/WindowControls.h"

#include "platform/win32/Encoding.h"
#include "shell/resource.h"

namespace zorbel::shell {

UINT ThemeMenuId(platform::ThemeMenu entry) {
    switch (entry) {
    case platform::ThemeMenu::WetterOstsee: return IDM_WETTEROSTSEE;
    case platform::ThemeMenu::WetterNordsee: return IDM_WETTERNORDSEE;
    case platform::ThemeMenu::WetterAtlantik: return IDM_WETTERATLANTIK;
    case platform::ThemeMenu::WetterMittelmeer: return IDM_WETTERMITTELMEER;
    case platform::ThemeMenu::WetterAlle: return IDM_WETTERALLE;
    case platform::ThemeMenu::AFu: return IDM_AFU;
    case platform::ThemeMenu::Alles: return IDM_ALLES;
    }
    return 0;
}

void WindowControls::SetWindowTitle(std::string_view utf8Title) {
    SetWindowTextW(main_, win32::Utf8ToWide(utf8Title).c_str());
}

void WindowControls::SetThemeLabel(std::string_view ansiTheme) { labelTema_.Show(ansiTheme); }

void WindowControls::SetMenuChecked(platform::ThemeMenu entry, bool checked) {
    CheckMenuItem(GetMenu(main_), ThemeMenuId(entry), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace zorbel::shell
