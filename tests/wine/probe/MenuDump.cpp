#include "MenuDump.h"

namespace probe {
namespace {

std::wstring ItemCaption(HMENU menu, int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0) return {};
  std::wstring caption(info.cch + 1, L'\0');
  info.dwTypeData = caption.data();
  info.cch = static_cast<UINT>(caption.size());
  GetMenuItemInfoW(menu, position, TRUE, &info);
  caption.resize(info.cch);
  return caption;
}

std::wstring ItemFlags(HMENU menu, int position, const MENUITEMINFOW& info) {
  // GetMenuState keeps grayed and disabled apart; MENUITEMINFO folds them.
  const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
  std::wstring flags;
  if (info.fType & MFT_SEPARATOR) flags += L'S';
  if (info.hSubMenu) flags += L'P';
  if (state & MF_CHECKED) flags += L'C';
  if (state & MF_GRAYED) flags += L'G';
  if (state & MF_DISABLED) flags += L'D';
  return flags.empty() ? L"-" : flags;
}

void DumpItems(HMENU menu, int depth, std::wstring& out) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
    out += std::to_wstring(depth) + L'\t' + ItemFlags(menu, position, info) + L'\t' +
           std::to_wstring(info.wID) + L'\t' + ItemCaption(menu, position) + L'\n';
    if (info.hSubMenu) DumpItems(info.hSubMenu, depth + 1, out);
  }
}

}  // namespace

std::wstring DumpMenuTree(HMENU menu) {
  std::wstring out;
  if (menu) DumpItems(menu, 0, out);
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
