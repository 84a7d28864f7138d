#include "StandInEngine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "BenchConfig.h"
#include "Poll.h"
#include "TextConversion.h"

namespace bench {
namespace {

// The stand-in's private command that starts its feed, and the message and
// window name of the engine link.
constexpr WPARAM kFeedRequest = 0x7F00;
constexpr char kEngineLinkName[] = "MMTTY";
constexpr char kEngineWindowTitle[] = "MMTTY Engine";

}  // namespace

void PlaceStandInEngine(const std::wstring& folder, const std::wstring& options, StandInStart start) {
  const std::wstring& exe = Config().standInExe;
  if (exe.empty()) throw std::runtime_error("--standin-exe is needed to play the engine");
  std::filesystem::copy_file(exe, folder + L"\\mmtty_standin.exe",
                             std::filesystem::copy_options::overwrite_existing);
  // zorbel runs the batch file through cmd /c with " -r -h<HEX>".
  const std::wstring script = L"@echo %*>\"%~dp0" + std::wstring(kEngineArgumentsName) +
                              L"\"\r\n@" + (start == StandInStart::ReturnAtOnce ? L"start \"\" " : L"") +
                              L"\"%~dp0mmtty_standin.exe\" %* --log \"%~dp0" + kStandInLogName + L"\" " +
                              options + L"\r\n";
  WriteFileBytes(folder + L"\\mmtty.bat", WideToUtf8(script));
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + WideToUtf8(path));
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool RequestStandInFeed() {
  const HWND engine = FindWindowA(nullptr, kEngineWindowTitle);
  return engine && PostMessageA(engine, RegisterWindowMessageA(kEngineLinkName), kFeedRequest, 0);
}

std::vector<std::string> StandInLog::Lines() const {
  std::istringstream text(Text());
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::optional<std::size_t> StandInLog::WaitForLine(const std::string& line, std::chrono::milliseconds bound,
                                                   std::size_t from) const {
  return PollFor(
      [&]() -> std::optional<std::size_t> {
        const auto lines = Lines();
        if (from >= lines.size()) return std::nullopt;
        const auto found = std::find(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(), line);
        if (found == lines.end()) return std::nullopt;
        return static_cast<std::size_t>(found - lines.begin());
      },
      bound);
}

std::optional<std::string> StandInLog::WaitForPrefix(const std::string& prefix,
                                                     std::chrono::milliseconds bound) const {
  return PollFor(
      [&]() -> std::optional<std::string> {
        for (const auto& line : Lines())
          if (line.starts_with(prefix)) return line;
        return std::nullopt;
      },
      bound);
}

std::string StandInLog::Text() const { return ReadFileBytes(path_); }

}  // namespace bench
