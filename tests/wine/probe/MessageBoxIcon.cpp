#include "MessageBoxIcon.h"

#include <utility>

namespace probe {
namespace {

HWND VisibleDialogOfThisThread() {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;)
    if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return window;
  return nullptr;
}

HICON ShownIcon(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(child)) continue;
    return reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  }
  return nullptr;
}

}  // namespace

std::wstring NameMessageBoxIcon() {
  const HWND dialog = VisibleDialogOfThisThread();
  if (!dialog) return L"no message box";
  const HICON icon = ShownIcon(dialog);
  if (!icon) return L"none";
  // Message boxes load the shared system icons, which LoadIcon hands out
  // as the same handle throughout a process.
  const std::pair<const wchar_t*, const wchar_t*> standard[] = {
      {IDI_QUESTION, L"question"},
      {IDI_EXCLAMATION, L"exclamation"},
      {IDI_ASTERISK, L"information"},
      {IDI_HAND, L"error"},
  };
  for (const auto& [resource, name] : standard)
    if (LoadIconW(nullptr, resource) == icon) return name;
  return L"other";
}

}  // namespace probe
