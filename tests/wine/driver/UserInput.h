// What a user would do, delivered as the messages Windows would deliver.
#pragma once

#include <windows.h>

namespace bench {

// BN_CLICKED to the button's parent, as a click does.
void ClickButton(HWND button);

// WM_COMMAND with a menu item's ID, as choosing the item does.
void ChooseMenuItem(HWND mainWindow, UINT itemId);

// WM_KEYDOWN, WM_CHAR (for keys that make one) and WM_KEYUP to `target`.
void PressKey(HWND target, UINT virtualKey);

}  // namespace bench
