#include "BareReceiver.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "../common/UniqueWin32.h"
#include "BenchConfig.h"
#include "engine/EngineCodes.h"
#include "engine/EngineNames.h"
#include "StandInEngine.h"

namespace soak {
namespace {

using Clock = std::chrono::steady_clock;
using zorbel::engine::EngineAnswer;
using zorbel::engine::EngineCommand;

constexpr std::chrono::milliseconds kAnnounceBound{15000};
constexpr DWORD kEndBoundMs = 5000;

struct Counter {
  UINT engineMessage = 0;
  HWND engine = nullptr;
  std::size_t characters = 0;
};

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* counter = reinterpret_cast<Counter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (counter && message == counter->engineMessage) {
    if (wParam == static_cast<WPARAM>(EngineAnswer::Character)) ++counter->characters;
    if (wParam == static_cast<WPARAM>(EngineAnswer::Announce)) counter->engine = reinterpret_cast<HWND>(lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

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

// Dispatches everything queued, then waits for more, until `done` or the bound.
template <class Condition>
bool PumpUntil(Condition done, std::chrono::milliseconds bound) {
  const auto deadline = Clock::now() + bound;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

}  // namespace

std::optional<double> TimeBareReceiver(const std::wstring& folder, const std::string& feed,
                                       std::chrono::milliseconds bound) {
  std::filesystem::create_directories(folder);
  bench::WriteFileBytes(folder + L"\\feed.txt", feed);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &CountingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ZorbelSoakBareReceiver";
  RegisterClassW(&windowClass);
  Counter counter;
  counter.engineMessage = RegisterWindowMessageA(std::string(zorbel::engine::kEngineLinkName).c_str());
  const UniqueWindow window(CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, windowClass.hInstance, nullptr));
  if (!window) throw std::runtime_error("cannot create the bare receiver's window");
  SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counter));

  // The stand-in sends a carriage return before every line feed.
  const std::size_t posts = feed.size() + static_cast<std::size_t>(std::count(feed.begin(), feed.end(), '\n'));
  wchar_t handle[32];
  swprintf(handle, 32, L"%llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window.get())));
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
  StandInProcess standIn{bench::UniqueHandle(started.hProcess), counter.engineMessage};

  if (!PumpUntil([&] { return counter.engine != nullptr; }, kAnnounceBound))
    throw std::runtime_error("the bare receiver's stand-in engine did not announce itself");
  standIn.engine = counter.engine;
  const auto start = Clock::now();
  if (!bench::RequestStandInFeed()) throw std::runtime_error("the bare receiver's stand-in engine is missing");
  if (!PumpUntil([&] { return counter.characters >= posts; }, bound)) return std::nullopt;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace soak
