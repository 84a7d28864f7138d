#include "UserInput.h"

namespace bench {
namespace {

LPARAM KeyLParam(UINT virtualKey, bool release) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM value = 1 | (static_cast<LPARAM>(scanCode) << 16);
  if (release) value |= (1LL << 30) | (1LL << 31);
  return value;
}

}  // namespace

void ClickButton(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void ChooseMenuItem(HWND mainWindow, UINT itemId) {
  PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(itemId, 0), 0);
}

void PressKey(HWND target, UINT virtualKey) {
  PostMessageW(target, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
  const UINT character = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR);
  if (character) PostMessageW(target, WM_CHAR, character, KeyLParam(virtualKey, false));
  PostMessageW(target, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
}

}  // namespace bench
