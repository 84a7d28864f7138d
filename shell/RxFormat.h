#pragma once
// The font dialog and the bold, italic and underline buttons on the Rx
// window's selection.

#include <windows.h>

#include "win32/RxWindow.h"

namespace zorbel::shell {

// The font dialog preset from the selection; on OK its choice applies to the
// selection as it was when the dialog opened. Cancel changes nothing.
void ChooseFontForSelection(HWND owner, win32::RxWindow& rx);

// Switches one of CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE on; never off.
void SwitchOnInSelection(win32::RxWindow& rx, DWORD effect);

}  // namespace zorbel::shell
