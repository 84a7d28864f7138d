// Opens popups of the main menu the way Windows announces them to the
// window: one WM_INITMENUPOPUP per popup along a path.
#pragma once

#include <windows.h>

#include <vector>

namespace probe {

// `positions` leads from the menu bar down; returns false when a position
// holds no popup.
bool OpenPopupPath(HWND mainWindow, const std::vector<int>& positions);

}  // namespace probe
