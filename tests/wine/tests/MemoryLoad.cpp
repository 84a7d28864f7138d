#include "MemoryLoad.h"

#include <windows.h>

#include <cstdlib>
#include <regex>

unsigned CurrentMemoryLoad() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  return status.dwMemoryLoad;
}

::testing::AssertionResult IsMemoryLoadPanel(const std::string& panel) {
  static const std::regex shape("Speicherauslastung: ([0-9]{1,3}) %");
  std::smatch match;
  if (!std::regex_match(panel, match, shape))
    return ::testing::AssertionFailure() << "panel 3 reads \"" << panel << "\"";
  const int shown = std::stoi(match[1]);
  const int current = static_cast<int>(CurrentMemoryLoad());
  if (shown > 100 || std::abs(shown - current) > static_cast<int>(kMemoryLoadTolerance))
    return ::testing::AssertionFailure() << "panel 3 shows " << shown << " %, the load is " << current << " %";
  return ::testing::AssertionSuccess();
}
