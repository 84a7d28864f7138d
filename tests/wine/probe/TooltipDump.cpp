#include "TooltipDump.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace probe {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

bool IsTooltipOf(HWND tip, HWND mainWindow) {
  const HWND owner = GetWindow(tip, GW_OWNER);
  return owner && GetAncestor(owner, GA_ROOT) == mainWindow;
}

std::vector<HWND> TooltipControls(HWND mainWindow) {
  std::vector<HWND> found;
  for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;)
    if (IsTooltipOf(tip, mainWindow)) found.push_back(tip);
  // A toolbar's tooltip may have no owner at all: ask the toolbars too.
  for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != TOOLBARCLASSNAMEW) continue;
    const auto tip = reinterpret_cast<HWND>(SendMessageW(child, TB_GETTOOLTIPS, 0, 0));
    if (tip && std::find(found.begin(), found.end(), tip) == found.end()) found.push_back(tip);
  }
  return found;
}

int ControlIdOf(HWND window, HWND mainWindow) {
  while (window && GetParent(window) != mainWindow) window = GetParent(window);
  return window ? GetDlgCtrlID(window) : 0;
}

}  // namespace

std::wstring DumpTooltips(HWND mainWindow) {
  std::wstring out;
  int tipNumber = 0;
  for (HWND tip : TooltipControls(mainWindow)) {
    ++tipNumber;
    const auto count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      // The shell gives every tool its text, so the tool hands out a copy.
      wchar_t text[INFOTIPSIZE] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.lpszText = text;
      if (!SendMessageW(tip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(&tool))) continue;
      const bool namesWindow = tool.uFlags & TTF_IDISHWND;
      const HWND subject = namesWindow ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
      out += std::to_wstring(tipNumber) + L'\t' +
             std::to_wstring(ControlIdOf(subject, mainWindow)) + L'\t' +
             (namesWindow ? std::wstring(L"-") : std::to_wstring(tool.uId)) + L'\t' + text + L'\n';
    }
  }
  return out;
}

}  // namespace probe
