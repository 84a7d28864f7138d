// One run of zorbel.exe for a group of tests: started as on a first run (no
// saved settings) in a fresh working folder, ready once its main window is
// visible, and killed (never left running) when the object goes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "../common/UniqueWin32.h"

namespace bench {

struct StartedProgram {
  UniqueHandle process;
  UniqueHandle thread;
  DWORD id = 0;
};

// Starts `exe`, its quoted path as its command line, in `folder` (the
// bench's own when empty); throws std::runtime_error when it cannot.
// arguments: after the program's name on its command line.
StartedProgram StartProgram(const std::wstring& exe, const std::wstring& folder = {}, DWORD creationFlags = 0,
                            const std::wstring& arguments = {});

class ZorbelProcess {
 public:
  // Fills the emptied working folder before zorbel starts (an engine, say).
  using FolderSetup = std::function<void(const std::wstring& workingFolder)>;

  // Starts zorbel.exe in <work root>\<runName> (emptied first) and, unless
  // told not to, waits for the main window.
  explicit ZorbelProcess(const std::wstring& runName, const FolderSetup& setup = {}, bool waitForMainWindow = true);
  ~ZorbelProcess();
  ZorbelProcess(const ZorbelProcess&) = delete;
  ZorbelProcess& operator=(const ZorbelProcess&) = delete;

  HWND mainWindow() const { return mainWindow_; }
  HANDLE process() const { return process_.get(); }
  DWORD processId() const { return processId_; }
  DWORD uiThreadId() const { return GetWindowThreadProcessId(mainWindow_, nullptr); }
  const std::wstring& workingFolder() const { return workingFolder_; }
  bool HasExited() const;
  // Waits up to 15 s for the visible main window; throws std::runtime_error otherwise.
  void WaitForMainWindow();
  // After the program ended: started again in its folder, with the settings it stored.
  void StartAgain();

 private:
  void Start(bool waitForMainWindow);
  void Kill() noexcept;

  std::wstring workingFolder_;
  UniqueHandle job_;
  UniqueHandle process_;
  DWORD processId_ = 0;
  HWND mainWindow_ = nullptr;
};

}  // namespace bench
