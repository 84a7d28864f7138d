#pragma once
// The pixels per inch of the screen a window lies on, and the fonts sized for
// it: the engine window is aware of each screen's DPI and scales itself.

#include <windows.h>

#include "win32/Handles.h"

namespace zorbel::engine_side {

// Per window from Windows 10 (1607) on; before that, and for no window, the system's.
int DpiOf(HWND window);
// The system's message font, and a fixed-pitch font for text, at dpi.
win32::FontHandle MessageFontFor(int dpi);
win32::FontHandle FixedFontFor(int dpi);

}  // namespace zorbel::engine_side
