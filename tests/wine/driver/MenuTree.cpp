#include "MenuTree.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "TextConversion.h"

namespace bench {
namespace {

std::vector<std::wstring> SplitFields(const std::wstring& line, std::size_t count) {
  std::vector<std::wstring> fields;
  std::size_t start = 0;
  while (fields.size() + 1 < count) {
    const auto tab = line.find(L'\t', start);
    if (tab == std::wstring::npos) break;
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));  // the caption keeps its own TAB
  return fields;
}

void Render(const std::vector<MenuItem>& items, int depth, std::wstring& out) {
  for (const auto& item : items) {
    out += std::wstring(2 * depth, L' ');
    if (item.separator) {
      out += L"---";
    } else {
      for (wchar_t c : item.caption) out += c == L'\t' ? std::wstring(L"\\t") : std::wstring(1, c);
    }
    // Separators are grayed by nature. Grayed is the usual look of an entry
    // that cannot be chosen; disabled without gray looks choosable and is
    // worth a mark of its own.
    if (!item.separator) {
      if (item.checked) out += L" [checked]";
      if (item.grayed) out += L" [grayed]";
      else if (item.disabled) out += L" [disabled, not grayed]";
    }
    out += L'\n';
    Render(item.children, depth + 1, out);
  }
}

}  // namespace

std::vector<MenuItem> ParseMenuDump(const std::wstring& dump) {
  std::vector<MenuItem> top;
  std::vector<std::vector<MenuItem>*> levels{&top};
  std::wistringstream lines(dump);
  std::wstring line;
  while (std::getline(lines, line)) {
    const auto fields = SplitFields(line, 4);
    if (fields.size() != 4) throw std::runtime_error("malformed menu line: " + WideToUtf8(line));
    const auto depth = static_cast<std::size_t>(std::stoi(fields[0]));
    if (depth + 1 > levels.size()) throw std::runtime_error("menu dump skips a level: " + WideToUtf8(line));
    levels.resize(depth + 1);
    MenuItem item;
    const std::wstring& flags = fields[1];
    item.separator = flags.find(L'S') != std::wstring::npos;
    item.popup = flags.find(L'P') != std::wstring::npos;
    item.checked = flags.find(L'C') != std::wstring::npos;
    item.grayed = flags.find(L'G') != std::wstring::npos;
    item.disabled = flags.find(L'D') != std::wstring::npos;
    item.id = static_cast<UINT>(std::stoul(fields[2]));
    item.caption = fields[3];
    auto& siblings = *levels[depth];
    siblings.push_back(std::move(item));
    levels.push_back(&siblings.back().children);
  }
  return top;
}

std::wstring RenderMenuTree(const std::vector<MenuItem>& items) {
  std::wstring out;
  Render(items, 0, out);
  return out;
}

const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, UINT id) {
  for (const auto& item : items) {
    if (!item.separator && !item.popup && item.id == id) return &item;
    if (const MenuItem* found = FindMenuItem(item.children, id)) return found;
  }
  return nullptr;
}

std::vector<int> MenuPositions(const std::vector<MenuItem>& items, const std::vector<std::wstring>& captionPath) {
  std::vector<int> positions;
  const std::vector<MenuItem>* level = &items;
  for (const auto& caption : captionPath) {
    const auto found = std::find_if(level->begin(), level->end(),
                                    [&](const MenuItem& item) { return item.caption == caption; });
    if (found == level->end()) throw std::runtime_error("no menu entry \"" + WideToUtf8(caption) + "\" on its level");
    positions.push_back(static_cast<int>(found - level->begin()));
    level = &found->children;
  }
  return positions;
}

}  // namespace bench
