#pragma once
// The holder's side of take-screenshot.sh: say that the window stands, and
// which part of the screen to keep, then keep it up until the picture has
// been taken.

#include <windows.h>

namespace bench {

// Says the picture may be taken (of `window`'s part of the screen, or of the
// whole screen for nullptr); true once it was, false after a minute without.
bool HoldForPicture(HWND window);

}  // namespace bench
