// The tools of the main window's tooltip controls, as the probe reports them.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
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

// Texts of the tools that name a window of control `controlId` (the control
// itself or a child of it, such as a combo box's edit field).
std::vector<std::wstring> WindowToolTexts(const std::vector<Tool>& tools, int controlId);

// Button command ID to tooltip text, for the toolbar `controlId`.
std::map<UINT_PTR, std::wstring> ToolbarTips(const std::vector<Tool>& tools, int controlId);

}  // namespace bench
