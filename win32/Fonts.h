#pragma once
// Fonts sized in points at the screen's pixels per inch.

#include <windows.h>

#include <string_view>

#include "win32/Handles.h"

namespace zorbel::win32 {

// A font of the given face and size in points, at the screen's DPI.
FontHandle MakeFont(const wchar_t* face, double points, int weight = FW_NORMAL, bool italic = false,
                    BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);
// The system's message font (the font of message boxes and dialogs).
FontHandle MakeMessageFont();
// The width of one line of text in the control's own font, in pixels.
int TextWidthInFontOf(HWND control, std::wstring_view text);

}  // namespace zorbel::win32
