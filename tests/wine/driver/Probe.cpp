#include "Probe.h"

#include <cstring>
#include <stdexcept>

#include "BenchConfig.h"
#include "TextConversion.h"
#include "ZorbelProcess.h"

namespace bench {
namespace {

constexpr DWORD kReplyBoundMs = 10000;

std::runtime_error Failure(const std::string& what) {
  return std::runtime_error(what + ", error " + std::to_string(GetLastError()));
}

}  // namespace

Probe::Probe(const ZorbelProcess& zorbel)
    : mainWindow_(zorbel.mainWindow()),
      requestMessage_(RegisterWindowMessageW(probe::kRequestMessageName)),
      replyMapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, probe::kReplyMappingBytes,
                                       probe::kReplyMappingName)),
      replyReady_(CreateEventW(nullptr, FALSE, FALSE, probe::kReplyEventName)) {
  if (!replyMapping_ || !replyReady_) throw Failure("cannot create the probe's reply mapping and event");
  replyView_.reset(MapViewOfFile(replyMapping_.get(), FILE_MAP_READ, 0, 0, probe::kReplyMappingBytes));
  if (!replyView_) throw Failure("cannot map the probe's reply");

  const std::wstring& path = Config().probeDll;
  dll_.reset(LoadLibraryW(path.c_str()));
  if (!dll_) throw Failure("cannot load " + WideToUtf8(path));
  // Through void*: FARPROC and HOOKPROC are unrelated function types.
  const auto hookProc =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll_.get(), probe::kHookProcName)));
  if (!hookProc) throw Failure("the probe DLL lacks its hook procedure");
  hook_.reset(SetWindowsHookExW(WH_GETMESSAGE, hookProc, dll_.get(), zorbel.uiThreadId()));
  if (!hook_) throw Failure("cannot hook zorbel's UI thread");
}

std::wstring Probe::Ask(probe::ProbeRequest request, LPARAM argument) {
  ResetEvent(replyReady_.get());
  if (!PostMessageW(mainWindow_, requestMessage_, static_cast<WPARAM>(request), argument))
    throw Failure("cannot post the probe request");
  if (WaitForSingleObject(replyReady_.get(), kReplyBoundMs) != WAIT_OBJECT_0)
    throw std::runtime_error("the probe inside zorbel.exe did not answer request " +
                             std::to_string(static_cast<unsigned>(request)) + " within 10 s");
  const auto* bytes = static_cast<const char*>(replyView_.get());
  std::uint32_t length = 0;
  std::memcpy(&length, bytes, sizeof length);
  std::wstring text(length, L'\0');
  std::memcpy(text.data(), bytes + sizeof length, length * sizeof(wchar_t));
  return text;
}

}  // namespace bench
