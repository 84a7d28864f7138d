// What a user would do, delivered as the messages Windows would deliver.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace bench {

// BN_CLICKED to the button's parent, as a click does.
void ClickButton(HWND button);

// WM_COMMAND with a menu item's ID, as choosing the item does.
void ChooseMenuItem(HWND mainWindow, UINT itemId);

// WM_KEYDOWN, WM_CHAR (for keys that make one) and WM_KEYUP to `target`.
void PressKey(HWND target, UINT virtualKey);

// Real key presses (SendInput) into the foreground window, which becomes
// `window` first: the keys held down in order, then released in reverse,
// e.g. {VK_MENU, 'T'} for Alt+T. They pass the message loop as typed keys do.
void TypeChord(HWND window, std::initializer_list<WORD> keys);

// Each byte as one character message of the engine (MMTTY), as the engine
// posts them to zorbel's main window.
void PostAsEngine(HWND mainWindow, std::string_view bytes);

}  // namespace bench
