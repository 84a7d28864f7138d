#include "win32/ChildWindow.h"

namespace zorbel::win32 {

HWND CreateChildControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                        HFONT font, DWORD extendedStyle) {
    HWND child = CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void PlaceWindow(HWND window, const RECT& place) {
    MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

}  // namespace zorbel::win32
