// The panels of a status bar in another process.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

int StatusPanelCount(HWND statusBar);

// Panel numbers count from 0 here, as the control does.
std::wstring StatusPanelText(HANDLE process, HWND statusBar, int panel);

}  // namespace bench
