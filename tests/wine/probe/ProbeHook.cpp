// zorbel_probe.dll: a WH_GETMESSAGE hook on zorbel.exe's UI thread that
// answers the test driver's requests from inside the process, where Wine
// lets it read the menu.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "../common/UniqueWin32.h"
#include "MenuDump.h"
#include "MessageBoxIcon.h"
#include "ProbeProtocol.h"
#include "TooltipDump.h"

namespace {

using bench::UniqueHandle;
using bench::UniqueView;

std::wstring DescribeScrollBars(HWND window) {
  std::wstring text;
  for (const int bar : {SB_VERT, SB_HORZ}) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    if (!GetScrollInfo(window, bar, &info)) info = {};
    text += std::to_wstring(info.nMax - info.nMin + 1) + L' ' + std::to_wstring(info.nPage) + L'\n';
  }
  return text;
}

std::wstring Answer(HWND mainWindow, probe::ProbeRequest request, LPARAM argument) {
  switch (request) {
    case probe::ProbeRequest::DumpMenu:
      return probe::RenderMenuTree(GetMenu(mainWindow));
    case probe::ProbeRequest::OpenPopupAndDumpMenu:
      if (!probe::OpenPopupPath(mainWindow, probe::UnpackMenuPath(argument))) return L"no popup on that path";
      return probe::RenderMenuTree(GetMenu(mainWindow));
    case probe::ProbeRequest::DumpTooltips:
      return probe::DumpTooltips(mainWindow);
    case probe::ProbeRequest::Ping:
      return {};
    case probe::ProbeRequest::NameMessageBoxIcon:
      return probe::NameMessageBoxIcon();
    case probe::ProbeRequest::DescribeScrollBars:
      return DescribeScrollBars(GetDlgItem(mainWindow, static_cast<int>(argument)));
  }
  return L"unknown request " + std::to_wstring(static_cast<unsigned>(request));
}

void Reply(const std::wstring& text) {
  const UniqueHandle mapping(OpenFileMappingW(FILE_MAP_WRITE, FALSE, probe::kReplyMappingName));
  const UniqueHandle ready(OpenEventW(EVENT_MODIFY_STATE, FALSE, probe::kReplyEventName));
  if (!mapping || !ready) return;
  const UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, probe::kReplyMappingBytes));
  if (!view) return;
  constexpr std::size_t kCapacity = (probe::kReplyMappingBytes - sizeof(std::uint32_t)) / sizeof(wchar_t);
  const auto length = static_cast<std::uint32_t>(std::min(text.size(), kCapacity));
  auto* bytes = static_cast<char*>(view.get());
  std::memcpy(bytes, &length, sizeof length);
  std::memcpy(bytes + sizeof length, text.data(), length * sizeof(wchar_t));
  SetEvent(ready.get());
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ZorbelProbeHook(int code, WPARAM removal, LPARAM lParam) {
  static const UINT requestMessage = RegisterWindowMessageW(probe::kRequestMessageName);
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == requestMessage) {
    Reply(Answer(message->hwnd, static_cast<probe::ProbeRequest>(message->wParam), message->lParam));
    // The request is ours: zorbel's own window procedure never sees it.
    message->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}
