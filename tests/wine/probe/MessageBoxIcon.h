// Which standard icon a message box of this thread shows. Only code inside
// the process can tell: icon handles mean nothing in another process.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

// "question", "exclamation", "information", "error", "none" (no icon),
// "other" (an icon that is none of these), or "no message box".
std::wstring NameMessageBoxIcon();

}  // namespace probe
