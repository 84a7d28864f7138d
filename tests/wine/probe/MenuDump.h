// Writes a menu tree as text, one line per item, depth first:
//   <depth> TAB <flags> TAB <command id> TAB <caption with its TAB shortcut>
// flags: S separator, P popup, C checked, G grayed, D disabled; "-" for none.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

std::wstring DumpMenuTree(HMENU menu);

}  // namespace probe
