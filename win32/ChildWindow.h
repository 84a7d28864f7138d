#pragma once
// Creating and placing the main window's child controls.

#include <windows.h>

namespace zorbel::win32 {

// A visible child control with its command id and font.
HWND CreateChildControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                        HFONT font, DWORD extendedStyle = 0);

void PlaceWindow(HWND window, const RECT& place);

}  // namespace zorbel::win32
