#include "StatusBar.h"

#include <commctrl.h>

#include <cstring>

#include "RemoteBuffer.h"
#include "WindowQueries.h"

namespace bench {

int StatusPanelCount(HWND statusBar) { return static_cast<int>(SendBounded(statusBar, SB_GETPARTS, 0, 0)); }

std::wstring StatusPanelText(HANDLE process, HWND statusBar, int panel) {
  const auto length = LOWORD(SendBounded(statusBar, SB_GETTEXTLENGTHW, panel));
  const std::size_t bytes = (length + 1) * sizeof(wchar_t);
  const RemoteBuffer buffer(process, bytes);
  SendBounded(statusBar, SB_GETTEXTW, panel, buffer.address());
  const auto copy = buffer.Read(bytes);
  std::wstring text(length, L'\0');
  std::memcpy(text.data(), copy.data(), length * sizeof(wchar_t));
  return text;
}

}  // namespace bench
