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
  struct Search {
    HWND main;
    std::vector<HWND> found;
  } search{mainWindow, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        if (ClassOf(window) == TOOLTIPS_CLASSW && IsTooltipOf(window, s.main)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  // A toolbar's tooltip may have no owner at all: ask the toolbars too.
  for (HWND child = GetWindow(mainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != TOOLBARCLASSNAMEW) continue;
    const auto tip = reinterpret_cast<HWND>(SendMessageW(child, TB_GETTOOLTIPS, 0, 0));
    if (tip && std::find(search.found.begin(), search.found.end(), tip) == search.found.end())
      search.found.push_back(tip);
  }
  return search.found;
}

std::wstring ResourceOrText(HINSTANCE instance, const wchar_t* text) {
  if (!text) return {};
  if (IS_INTRESOURCE(text)) {
    const wchar_t* resource = nullptr;
    const int length = LoadStringW(instance, static_cast<UINT>(reinterpret_cast<UINT_PTR>(text)),
                                   reinterpret_cast<LPWSTR>(&resource), 0);
    return length > 0 ? std::wstring(resource, length) : std::wstring();
  }
  return text;
}

// What the tooltip would show on hover: callback tools are asked the way the
// tooltip control itself asks them.
std::wstring ToolText(HWND tip, const TTTOOLINFOW& tool) {
  if (tool.lpszText != LPSTR_TEXTCALLBACKW) return ResourceOrText(tool.hinst, tool.lpszText);
  NMTTDISPINFOW request{};
  request.hdr.hwndFrom = tip;
  request.hdr.idFrom = tool.uId;
  request.hdr.code = TTN_GETDISPINFOW;
  request.lpszText = request.szText;
  request.uFlags = tool.uFlags & TTF_IDISHWND;
  SendMessageW(tool.hwnd, WM_NOTIFY, tool.uId, reinterpret_cast<LPARAM>(&request));
  return ResourceOrText(request.hinst, request.lpszText);
}

int ControlIdOf(HWND window, HWND mainWindow) {
  while (window && GetParent(window) != mainWindow) window = GetParent(window);
  return window ? GetDlgCtrlID(window) : 0;
}

}  // namespace

std::wstring DumpTooltips(HWND mainWindow) {
  std::wstring out;
  for (HWND tip : TooltipControls(mainWindow)) {
    const auto count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      wchar_t text[INFOTIPSIZE] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.lpszText = text;
      if (!SendMessageW(tip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(&tool))) continue;
      const bool namesWindow = tool.uFlags & TTF_IDISHWND;
      const HWND subject = namesWindow ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
      out += std::to_wstring(ControlIdOf(subject, mainWindow)) + L'\t' +
             (namesWindow ? std::wstring(L"-") : std::to_wstring(tool.uId)) + L'\t' + ToolText(tip, tool) + L'\n';
    }
  }
  return out;
}

}  // namespace probe
