// The main menu from inside zorbel, where Wine lets code read it: opened as
// Windows announces popups, and written as text that reads like the menu.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace probe {

// One line per item, two blanks of indent per level, "---" for separators,
// the shortcut behind "\t" written as the two characters \ and t, then the
// state: " [checked]", " [grayed]", " [disabled]" (not grayed).
std::wstring RenderMenuTree(HMENU menu);

// One WM_INITMENUPOPUP per popup along `positions` (from the menu bar down);
// false when a position holds no popup.
bool OpenPopupPath(HWND mainWindow, const std::vector<int>& positions);

}  // namespace probe
