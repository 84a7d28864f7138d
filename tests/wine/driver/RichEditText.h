// The text of a rich edit control in another process. WM_GETTEXT does not
// serve here, so the control writes into a buffer inside its own process.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// Paragraph ends as the control hands them out (a CR each).
std::wstring RichEditText(HANDLE process, HWND richEdit);
long RichEditTextLength(HANDLE process, HWND richEdit);

}  // namespace bench
