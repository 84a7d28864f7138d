// The driver's side of zorbel_probe.dll: hooks zorbel's UI thread and asks
// the probe for what only code inside zorbel can read.
#pragma once

#include <windows.h>

#include <string>

#include "../common/UniqueWin32.h"
#include "../probe/ProbeProtocol.h"

namespace bench {

class ZorbelProcess;

class Probe {
 public:
  // Throws std::runtime_error when the DLL cannot be loaded or hooked.
  explicit Probe(const ZorbelProcess& zorbel);

  // Posts the request and waits (bounded) for the answer; throws on time-out.
  std::wstring Ask(probe::ProbeRequest request, LPARAM argument = 0);

 private:
  HWND mainWindow_;
  UINT requestMessage_;
  UniqueHandle replyMapping_;
  UniqueView replyView_;
  UniqueHandle replyReady_;
  UniqueLibrary dll_;
  UniqueHook hook_;
};

}  // namespace bench
