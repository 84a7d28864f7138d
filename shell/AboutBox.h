#pragma once
// The About box: title, version with copyright, description and notice, centred
// over the main window; "Systeminfo" starts the system's information tool.

#include <windows.h>

#include <functional>

#include "platform/Dialogs.h"

namespace zorbel::shell {

// Modal; `hideEngineWindowFirst` runs before the system information starts.
void ShowAboutBox(HWND mainWindow, platform::Dialogs& dialogs, std::function<void()> hideEngineWindowFirst);

}  // namespace zorbel::shell
