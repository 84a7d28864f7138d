#include "win32/ChildWindow.h"

namespace zorbel::win32 {

HWND CreateChildControl(const ChildPlace& at, const wchar_t* className, const wchar_t* text, DWORD style,
                        DWORD extendedStyle) {
    HWND child = CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, at.place.left,
                                 at.place.top, at.place.right - at.place.left, at.place.bottom - at.place.top,
                                 at.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(at.id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child && at.font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(at.font), FALSE);
    return child;
}

void PlaceWindow(HWND window, const RECT& place) {
    MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

}  // namespace zorbel::win32
