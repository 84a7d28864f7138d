#include "MenuPopups.h"

namespace probe {

bool OpenPopupPath(HWND mainWindow, const std::vector<int>& positions) {
  HMENU parent = GetMenu(mainWindow);
  for (int position : positions) {
    const HMENU popup = GetSubMenu(parent, position);
    if (!popup) return false;
    SendMessageW(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(position, FALSE));
    parent = popup;
  }
  return true;
}

}  // namespace probe
