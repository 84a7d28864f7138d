#include "WinePaths.h"

#include <algorithm>

#include "TextConversion.h"

namespace bench {

std::wstring ToWindowsPath(std::string_view utf8Path) {
  std::wstring path = Utf8ToWide(utf8Path);
  if (path.empty() || path.front() != L'/') return path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return L"Z:" + path;
}

}  // namespace bench
