// The main menu from inside zorbel: opening its popups as Windows announces
// them, and writing the tree as text, one line per item, depth first:
//   <depth> TAB <flags> TAB <command id> TAB <caption with its TAB shortcut>
// flags: S separator, P popup, C checked, G grayed, D disabled; "-" for none.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace probe {

std::wstring DumpMenuTree(HMENU menu);

// One WM_INITMENUPOPUP per popup along `positions` (from the menu bar down);
// false when a position holds no popup.
bool OpenPopupPath(HWND mainWindow, const std::vector<int>& positions);

}  // namespace probe
