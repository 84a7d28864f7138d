// The tools of the main window's tooltip controls, as the probe reports them.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace bench {

struct Tool {
  int controlId = 0;          // the main window's child that holds the tool
  std::wstring windowClass;   // class of the tool's own window
  std::optional<UINT_PTR> id; // empty for tools that name their window
  std::wstring text;
};

std::vector<Tool> ParseTooltipDump(const std::wstring& dump);

// The distinct texts of the tools that name a window of control `controlId`
// (the control itself or a child of it, such as a combo box's edit field).
std::set<std::wstring> WindowToolTexts(const std::vector<Tool>& tools, int controlId);

// Tool ID to text for the tools of control `controlId` that carry an ID:
// a toolbar's button commands, a status bar's parts.
std::map<UINT_PTR, std::wstring> ToolTextsById(const std::vector<Tool>& tools, int controlId);

}  // namespace bench
