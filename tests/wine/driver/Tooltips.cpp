#include "Tooltips.h"

#include <sstream>
#include <stdexcept>

#include "TextConversion.h"

namespace bench {

std::vector<Tool> ParseTooltipDump(const std::wstring& dump) {
  std::vector<Tool> tools;
  std::wistringstream lines(dump);
  std::wstring line;
  while (std::getline(lines, line)) {
    std::wistringstream fields(line);
    std::wstring controlId, windowClass, id;
    Tool tool;
    if (!std::getline(fields, controlId, L'\t') || !std::getline(fields, windowClass, L'\t') ||
        !std::getline(fields, id, L'\t'))
      throw std::runtime_error("malformed tooltip line: " + WideToUtf8(line));
    std::getline(fields, tool.text);
    tool.controlId = std::stoi(controlId);
    tool.windowClass = windowClass;
    if (id != L"-") tool.id = static_cast<UINT_PTR>(std::stoull(id));
    tools.push_back(std::move(tool));
  }
  return tools;
}

std::set<std::wstring> WindowToolTexts(const std::vector<Tool>& tools, int controlId) {
  std::set<std::wstring> texts;
  for (const auto& tool : tools)
    if (tool.controlId == controlId && !tool.id) texts.insert(tool.text);
  return texts;
}

std::map<UINT_PTR, std::wstring> ToolTextsById(const std::vector<Tool>& tools, int controlId) {
  std::map<UINT_PTR, std::wstring> tips;
  for (const auto& tool : tools)
    if (tool.controlId == controlId && tool.id) tips[*tool.id] = tool.text;
  return tips;
}

}  // namespace bench
