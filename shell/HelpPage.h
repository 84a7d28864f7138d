#pragma once
// "&Hilfe": the program's German help page, a HTML file beside zorbel.exe,
// opened in the user's browser.

#include <windows.h>

#include "platform/Dialogs.h"

namespace zorbel::shell {

inline constexpr wchar_t kHelpFileName[] = L"zorbel-hilfe.html";

// Without the page, a box titled with the main window's caption says so; a
// page the browser cannot show is named with its path.
void ShowHelpContents(HWND mainWindow, platform::Dialogs& dialogs);

}  // namespace zorbel::shell
