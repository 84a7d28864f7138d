// The main menu as the probe reports it, and a plain-text form of it that
// reads like the menu itself, for comparisons with readable differences.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct MenuItem {
  std::wstring caption;  // with the TAB and shortcut text, if any
  UINT id = 0;
  bool separator = false;
  bool popup = false;
  bool checked = false;
  bool grayed = false;
  bool disabled = false;
  std::vector<MenuItem> children;

  bool Enabled() const { return !grayed && !disabled; }
};

std::vector<MenuItem> ParseMenuDump(const std::wstring& dump);

// One line per item, two blanks of indent per level, "---" for separators,
// the shortcut behind "\t" written as the two characters \ and t, and the
// state in brackets: "[checked]", "[grayed]", "[disabled, not grayed]".
std::wstring RenderMenuTree(const std::vector<MenuItem>& items);

// Depth-first search by command ID; nullptr when there is none.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, UINT id);

// The item positions along a path of captions from the menu bar down, say
// {L"&Einstellungen", L"&Startwort/Stopwort", L"&Wetter"}; throws when a
// caption is missing on its level.
std::vector<int> MenuPositions(const std::vector<MenuItem>& items, const std::vector<std::wstring>& captionPath);

}  // namespace bench
