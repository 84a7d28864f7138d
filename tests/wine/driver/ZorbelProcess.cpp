#include "ZorbelProcess.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>

#include "BenchConfig.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "TextConversion.h"
#include "WindowQueries.h"

namespace bench {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\ZORBEL";

// Ending the job ends zorbel and whatever it started, even if the bench
// itself dies before its destructors run.
UniqueHandle KillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  if (!job) return job;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
  return job;
}

}  // namespace

StartedProgram StartProgram(const std::wstring& exe, const std::wstring& folder, DWORD creationFlags,
                            const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started))
    throw std::runtime_error("cannot start " + WideToUtf8(exe) + ", error " + std::to_string(GetLastError()));
  return {UniqueHandle(started.hProcess), UniqueHandle(started.hThread), started.dwProcessId};
}

ZorbelProcess::ZorbelProcess(const std::wstring& runName, const FolderSetup& setup, bool waitForMainWindow)
    : workingFolder_(Config().workRoot + L"\\" + runName), job_(KillOnCloseJob()) {
  // Every run starts as the first one: no settings of earlier runs.
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
  std::error_code ignored;
  std::filesystem::remove_all(workingFolder_, ignored);
  // As after an installation: without its weather-report folder zorbel
  // asks at start-up where to create one.
  std::filesystem::create_directories(workingFolder_ + L"\\Wetterberichte");
  if (setup) setup(workingFolder_);
  Start(waitForMainWindow);
}

void ZorbelProcess::StartAgain() {
  Kill();
  Start(true);
}

void ZorbelProcess::Start(bool waitForMainWindow) {
  StartedProgram started = StartProgram(Config().zorbelExe, workingFolder_, CREATE_SUSPENDED);
  process_ = std::move(started.process);
  processId_ = started.id;
  if (job_) AssignProcessToJobObject(job_.get(), process_.get());
  ResumeThread(started.thread.get());

  if (!waitForMainWindow) return;
  try {
    WaitForMainWindow();
  } catch (...) {
    Kill();
    throw;
  }
}

ZorbelProcess::~ZorbelProcess() { Kill(); }

bool ZorbelProcess::HasExited() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

void ZorbelProcess::WaitForMainWindow() {
  PollUntil(
      [&] {
        const auto windows = VisibleWindowsOf(processId_, L"ZorbelMainWindow");
        mainWindow_ = windows.empty() ? nullptr : windows.front();
        return mainWindow_ || HasExited();
      },
      milliseconds{15000});
  if (HasExited()) {
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    throw std::runtime_error("zorbel.exe ended during start-up with exit code " + std::to_string(code));
  }
  if (!mainWindow_)
    throw std::runtime_error("zorbel.exe showed no visible main window (class ZorbelMainWindow) within 15 s\n" +
                             WideToUtf8(DescribeMessageBoxes(processId_)));
}

void ZorbelProcess::Kill() noexcept {
  // Killed, not closed: closing asks questions and writes the settings, which
  // would make later runs depend on earlier ones.
  if (HasExited()) return;
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), 10000);
}

}  // namespace bench
