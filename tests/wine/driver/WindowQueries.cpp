#include "WindowQueries.h"

#include <stdexcept>

#include "Poll.h"

namespace bench {

// No SMTO_ABORTIFHUNG: on a busy machine a program working through a long
// step can go 5 s without reading its queue, which counts as hung, though it
// answers soon after. A window that is gone fails at once anyway.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 20000, &result))
    throw std::runtime_error("a window did not answer message " + std::to_string(message) +
                             " within 20 s (hung or gone)");
  return static_cast<LRESULT>(result);
}

HWND Control(HWND parent, int controlId) {
  const HWND control = GetDlgItem(parent, controlId);
  if (!control) throw std::runtime_error("no control with ID " + std::to_string(controlId));
  return control;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendBounded(window, WM_GETTEXTLENGTH)) + 1, L'\0');
  const auto copied = SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE OuterSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId, const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr)) != nullptr;) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

HWND TopWindowOf(DWORD processId, const std::wstring& className) {
  const auto windows = VisibleWindowsOf(processId, className.c_str());
  return windows.empty() ? nullptr : windows.front();
}

HWND WaitForTopWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds bound) {
  HWND found = nullptr;
  PollUntil([&] { return (found = TopWindowOf(processId, className)) != nullptr; }, bound);
  return found;
}

bool NothingLeftToPaint(HWND top) {
  if (GetUpdateRect(top, nullptr, FALSE)) return false;
  for (const HWND child : ChildrenOf(top))
    if (GetUpdateRect(child, nullptr, FALSE)) return false;
  return true;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  const auto count = SendBounded(combo, CB_GETCOUNT);
  if (count == CB_ERR) throw std::runtime_error("not a combo box");
  std::vector<std::wstring> items;
  for (int index = 0; index < count; ++index) {
    // The ANSI CB_GETLBTEXT loses all but the first letter across processes.
    std::wstring text(static_cast<std::size_t>(SendBounded(combo, CB_GETLBTEXTLEN, index)) + 1, L'\0');
    const auto copied = SendBounded(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    items.push_back(text);
  }
  return items;
}

HWND ComboEdit(HWND combo) {
  const HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  if (!edit) throw std::runtime_error("the combo box has no edit field");
  return edit;
}

LOGFONTW MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont;
}

int TextWidth(const LOGFONTW& font, const std::wstring& text) {
  const HDC screen = GetDC(nullptr);
  const HFONT handle = CreateFontIndirectW(&font);
  const HGDIOBJ previous = SelectObject(screen, handle);
  SIZE size{};
  GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, previous);
  DeleteObject(handle);
  ReleaseDC(nullptr, screen);
  return static_cast<int>(size.cx);
}

}  // namespace bench
