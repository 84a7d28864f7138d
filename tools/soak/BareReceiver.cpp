#include "BareReceiver.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "tests/wine/common/UniqueWin32.h"
#include "BenchConfig.h"
#include "CountingProgram.h"
#include "engine/EngineCodes.h"
#include "StandInEngine.h"

namespace soak {
namespace {

using Clock = std::chrono::steady_clock;
using zorbel::engine::EngineCommand;

constexpr std::chrono::milliseconds kAnnounceBound{15000};
constexpr DWORD kEndBoundMs = 5000;

// The stand-in ends on the engine's end command; one that does not is killed.
struct StandInProcess {
  bench::UniqueHandle process;
  UINT engineMessage = 0;
  HWND engine = nullptr;
  ~StandInProcess() {
    if (engine) PostMessageW(engine, engineMessage, static_cast<WPARAM>(EngineCommand::End), 0);
    if (process && WaitForSingleObject(process.get(), kEndBoundMs) != WAIT_OBJECT_0)
      TerminateProcess(process.get(), 1);
  }
};

}  // namespace

std::optional<double> TimeBareReceiver(const std::wstring& folder, const std::string& feed,
                                       std::chrono::milliseconds bound) {
  std::filesystem::create_directories(folder);
  bench::WriteFileBytes(folder + L"\\feed.txt", feed);

  const bench::CountingProgram counter;

  // The stand-in sends a carriage return before every line feed.
  const std::size_t posts = feed.size() + static_cast<std::size_t>(std::count(feed.begin(), feed.end(), '\n'));
  wchar_t handle[32];
  swprintf(handle, 32, L"%llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(counter.window())));
  std::wstring commandLine = L"\"" + bench::Config().standInExe + L"\" -r -h" + handle +
                             L" --fast --feed-on-request --feed \"" + folder + L"\\feed.txt\" --log \"" + folder +
                             L"\\" + bench::kStandInLogName + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &started))
    throw std::runtime_error("cannot start the stand-in engine for the bare receiver");
  CloseHandle(started.hThread);
  StandInProcess standIn{bench::UniqueHandle(started.hProcess), counter.linkMessage()};

  if (!bench::PumpUntil([&] { return counter.engine() != nullptr; }, kAnnounceBound))
    throw std::runtime_error("the bare receiver's stand-in engine did not announce itself");
  standIn.engine = counter.engine();
  const auto start = Clock::now();
  if (!bench::RequestStandInFeed()) throw std::runtime_error("the bare receiver's stand-in engine is missing");
  if (!bench::PumpUntil([&] { return counter.characters() >= posts; }, bound)) return std::nullopt;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace soak
