#include "BenchConfig.h"

#include <algorithm>
#include <string_view>

#include "TextConversion.h"

namespace bench {
namespace {

BenchConfig config;

}  // namespace

std::wstring ToWindowsPath(std::string_view utf8Path) {
  std::wstring path = Utf8ToWide(utf8Path);
  if (path.empty() || path.front() != L'/') return path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return L"Z:" + path;
}

// CMake hands over Linux paths.
std::string ParseBenchConfig(int argc, char** argv) {
  const std::pair<std::string_view, std::wstring*> options[] = {
      {"--zorbel-exe=", &config.zorbelExe},   {"--probe-dll=", &config.probeDll},
      {"--work-root=", &config.workRoot},     {"--ready-file=", &config.readyFile},
      {"--release-file=", &config.releaseFile}, {"--standin-exe=", &config.standInExe},
      {"--engine-exe=", &config.engineExe},     {"--screenshot-dir=", &config.screenshotDir},
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    bool known = false;
    for (const auto& [prefix, target] : options) {
      if (argument.starts_with(prefix)) {
        *target = ToWindowsPath(argument.substr(prefix.size()));
        known = true;
      }
    }
    if (!known) return "unknown argument: " + std::string(argument);
  }
  if (config.zorbelExe.empty() || config.probeDll.empty() || config.workRoot.empty())
    return "--zorbel-exe, --probe-dll and --work-root are required";
  return {};
}

const BenchConfig& Config() { return config; }

}  // namespace bench
