#include "SoundCard.h"

#include <windows.h>
#include <mmsystem.h>

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

// The Linux path of a Windows path, as Wine maps its drives.
std::wstring LinuxPath(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(const wchar_t*);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) throw std::runtime_error("not running under Wine");
  char* unixPath = toUnix(windowsPath.c_str());
  if (!unixPath) throw std::runtime_error("no Linux path for " + WideToUtf8(windowsPath));
  std::wstring path;
  for (const char* at = unixPath; *at; ++at) path.push_back(static_cast<unsigned char>(*at));
  HeapFree(GetProcessHeap(), 0, unixPath);
  return path;
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
