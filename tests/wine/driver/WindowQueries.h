// Reading another process's windows. Every message to zorbel goes through
// SendBounded, so a hung zorbel fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace bench {

// SendMessageTimeoutW; throws std::runtime_error when the target does not
// answer within 5 s.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The direct child of `parent` with that control ID; throws if there is none.
HWND Control(HWND parent, int controlId);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
SIZE OuterSize(HWND window);
SIZE ClientSize(HWND window);

std::vector<HWND> ChildrenOf(HWND parent);
// The visible top-level windows of that class and process, topmost first.
std::vector<HWND> VisibleWindowsOf(DWORD processId, const wchar_t* className);

// The visible top-level window of that class in the process, or none.
HWND TopWindowOf(DWORD processId, const std::wstring& className);
// The same once there is one (bounded wait), or none.
HWND WaitForTopWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds bound);
// Whether the window and its children have painted everything invalidated.
bool NothingLeftToPaint(HWND top);

// The system's message font, which status bars and combo boxes' edit fields use.
LOGFONTW MessageFont();
// The width of `text` on the screen in that font, in pixels.
int TextWidth(const LOGFONTW& font, const std::wstring& text);

std::vector<std::wstring> ComboItems(HWND combo);
// The edit field of a drop-down combo box; throws if it has none.
HWND ComboEdit(HWND combo);

}  // namespace bench
