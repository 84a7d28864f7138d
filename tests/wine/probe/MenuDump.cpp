#include "MenuDump.h"

namespace probe {
namespace {

std::wstring ItemCaption(HMENU menu, int position) {
  wchar_t caption[256] = {};
  GetMenuStringW(menu, position, caption, 256, MF_BYPOSITION);
  std::wstring shown;
  for (const wchar_t c : std::wstring(caption)) shown += c == L'\t' ? std::wstring(L"\\t") : std::wstring(1, c);
  return shown;
}

void Render(HMENU menu, int depth, std::wstring& out) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
    out += std::wstring(2 * depth, L' ');
    if (info.fType & MFT_SEPARATOR) {
      out += L"---";
    } else {
      // GetMenuState keeps grayed and disabled apart; MENUITEMINFO folds them.
      const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
      out += ItemCaption(menu, position);
      if (state & MF_CHECKED) out += L" [checked]";
      if (state & MF_GRAYED) out += L" [grayed]";
      else if (state & MF_DISABLED) out += L" [disabled]";
    }
    out += L'\n';
    if (info.hSubMenu) Render(info.hSubMenu, depth + 1, out);
  }
}

}  // namespace

std::wstring RenderMenuTree(HMENU menu) {
  std::wstring out;
  if (menu) Render(menu, 0, out);
  return out;
}

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
