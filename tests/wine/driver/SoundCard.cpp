#include "SoundCard.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <stdexcept>

#include "TextConversion.h"

namespace bench {
namespace {

// Wine starts a Linux program through CreateProcess, but the handle it gives
// back cannot be waited on (WaitForSingleObject fails): callers wait for the
// program's effect instead. Its output goes to the bench's own.
void StartLinuxProgram(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    throw std::runtime_error("cannot start " + WideToUtf8(commandLine) + ", error " + std::to_string(GetLastError()));
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

// The Linux path of a path on drive Z:, which Wine maps to the Linux root.
std::wstring LinuxPath(std::wstring windowsPath) {
  if (!windowsPath.starts_with(L"Z:\\")) throw std::runtime_error("not on drive Z: " + WideToUtf8(windowsPath));
  std::replace(windowsPath.begin(), windowsPath.end(), L'\\', L'/');
  return windowsPath.substr(2);
}

}  // namespace

int CaptureDeviceNamed(const std::wstring& name) {
  const UINT count = waveInGetNumDevs();
  for (UINT device = 0; device < count; ++device) {
    WAVEINCAPSW caps{};
    if (waveInGetDevCapsW(device, &caps, sizeof caps) == MMSYSERR_NOERROR && name == caps.szPname)
      return static_cast<int>(device);
  }
  return -1;
}

void PlayIntoSink(const std::wstring& wavPath) {
  StartLinuxProgram(L"/usr/bin/paplay -d radio \"" + LinuxPath(wavPath) + L"\"");
}

void PullSink() { StartLinuxProgram(L"/usr/bin/pactl unload-module module-null-sink"); }

// As sound-server.sh loads it, so that the monitor has its name again.
void PutBackSink() {
  StartLinuxProgram(
      L"/usr/bin/pactl load-module module-null-sink sink_name=radio sink_properties=device.description=Radio");
}

}  // namespace bench
