#include "WindowQueries.h"

#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

std::runtime_error Error(const std::string& what) { return std::runtime_error(what); }

std::string Hex(UINT_PTR value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result))
    throw Error("window " + Hex(reinterpret_cast<UINT_PTR>(window)) + " did not answer message " + Hex(message) +
                " within 5 s (hung or gone)");
  return static_cast<LRESULT>(result);
}

HWND Control(HWND parent, int controlId) {
  const HWND control = GetDlgItem(parent, controlId);
  if (!control) throw Error("no control with ID " + std::to_string(controlId));
  return control;
}

std::wstring WindowText(HWND window) {
  const auto length = SendBounded(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
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

HWND TopWindowOf(DWORD processId, const std::wstring& className) {
  struct Search {
    DWORD processId;
    const std::wstring& className;
    HWND found;
  } search{processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s.processId || !IsWindowVisible(window) || ClassName(window) != s.className) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> ComboItems(HWND combo) {
  const auto count = SendBounded(combo, CB_GETCOUNT);
  if (count == CB_ERR) throw Error("not a combo box");
  std::vector<std::wstring> items;
  for (int index = 0; index < count; ++index) {
    // The ANSI CB_GETLBTEXT loses all but the first letter across processes.
    std::wstring text(static_cast<std::size_t>(SendBounded(combo, CB_GETLBTEXTLEN, index)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendBounded(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

HWND ComboEdit(HWND combo) {
  const HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  if (!edit) throw Error("the combo box has no edit field");
  return edit;
}

}  // namespace bench
