// Writes every tool of the main window's tooltip controls as text, one line
// per tool:
//   <tooltip control> TAB <control id> TAB <tool id or "-"> TAB <text>
// Tooltip controls are numbered from 1 in the order found: first those the
// thread's window list holds, then those only a toolbar knows. The control is the main window's child that holds the tool's window (a
// combo box for its edit field, say). The tool id is "-" for tools that name
// their window (TTF_IDISHWND), else the tool's uId (a toolbar button's
// command, a status bar part).
#pragma once

#include <windows.h>

#include <string>

namespace probe {

std::wstring DumpTooltips(HWND mainWindow);

}  // namespace probe
