// Texts that a control in another process can only hand out into a buffer
// inside its own process: Wine carries no pointer of these messages across.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

namespace bench {

// The rich edit control's text, paragraph ends as the control hands them
// out (a CR each).
std::wstring RichEditText(HANDLE process, HWND richEdit);
long RichEditTextLength(HANDLE process, HWND richEdit);
// The character format of the rich edit control's selection.
CHARFORMAT2W RichEditSelectionFormat(HANDLE process, HWND richEdit);

// A list view's cell; rows and columns count from 0.
std::wstring ListViewCellText(HANDLE process, HWND listView, int row, int column);

// Panel numbers count from 0, as the control does.
std::wstring StatusPanelText(HANDLE process, HWND statusBar, int panel);
RECT StatusPanelRect(HANDLE process, HWND statusBar, int panel);

}  // namespace bench
