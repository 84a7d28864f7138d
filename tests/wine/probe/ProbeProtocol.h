// Wire contract between the test driver and zorbel_probe.dll, which runs
// inside zorbel.exe's UI thread. The driver posts kRequestMessageName to the
// main window with a ProbeRequest in wParam and an argument in lParam; the
// probe writes its answer into the reply mapping (a count of UTF-16 units,
// then the text) and sets the reply event. Requests queue behind whatever was
// posted to zorbel before them, so an answer also means that those messages
// have been handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace probe {

inline constexpr wchar_t kRequestMessageName[] = L"ZorbelProbeRequest";
inline constexpr wchar_t kReplyMappingName[] = L"Local\\ZorbelProbeReply";
inline constexpr wchar_t kReplyEventName[] = L"Local\\ZorbelProbeReplyReady";
inline constexpr char kHookProcName[] = "ZorbelProbeHook";
inline constexpr std::uint32_t kReplyMappingBytes = 1u << 20;

enum class ProbeRequest : unsigned {
  DumpMenu = 1,              // every item of the main menu (MenuDump.h)
  OpenPopupAndDumpMenu = 2,  // WM_INITMENUPOPUP along the path in lParam (PackMenuPath), then DumpMenu
  DumpTooltips = 3,          // every tool of the main window's tooltips (TooltipDump.h)
  Ping = 4,                  // "" at once: a barrier behind messages posted earlier
  NameMessageBoxIcon = 5,    // the icon of zorbel's visible message box (MessageBoxIcon.h)
  DescribeScrollBars = 6,    // "<range> <page>" of the vertical, then horizontal bar of control lParam
};

// Item positions from the menu bar down, one byte per level, outermost in the
// lowest byte, each plus one so that a zero byte ends the path.
inline LPARAM PackMenuPath(const std::vector<int>& positions) {
  std::uint64_t packed = 0;
  for (std::size_t level = 0; level < positions.size() && level < sizeof(LPARAM); ++level)
    packed |= static_cast<std::uint64_t>((positions[level] + 1) & 0xFF) << (8 * level);
  return static_cast<LPARAM>(packed);
}

inline std::vector<int> UnpackMenuPath(LPARAM packed) {
  std::vector<int> positions;
  for (auto bits = static_cast<std::uint64_t>(packed); bits & 0xFF; bits >>= 8)
    positions.push_back(static_cast<int>(bits & 0xFF) - 1);
  return positions;
}

}  // namespace probe
