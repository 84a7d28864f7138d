#pragma once
// "S&uchen" and "&weitersuchen" on the Rx window.

#include "platform/CaseFolding.h"
#include "platform/Dialogs.h"
#include "win32/RxWindow.h"

namespace zorbel::shell {

// Asks for the text (again = false) or takes the selected text (again =
// true), selects its next occurrence or reports that there is none, and
// gives the focus back to the Rx window.
void SearchRx(win32::RxWindow& rx, platform::Dialogs& dialogs, const platform::CaseFolding& folding, bool again);

}  // namespace zorbel::shell
