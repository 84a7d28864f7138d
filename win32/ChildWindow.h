#pragma once
// Creating and placing child controls.

#include <windows.h>

namespace zorbel::win32 {

// Where a child control goes: its parent, its command id, its place in the
// parent's client area and its font (none: the system's).
struct ChildPlace {
    HWND parent = nullptr;
    int id = 0;
    RECT place{};
    HFONT font = nullptr;
};

// A visible child control at its place.
HWND CreateChildControl(const ChildPlace& at, const wchar_t* className, const wchar_t* text, DWORD style,
                        DWORD extendedStyle = 0);

void PlaceWindow(HWND window, const RECT& place);

}  // namespace zorbel::win32
