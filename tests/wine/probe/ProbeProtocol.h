// Wire contract between the test driver and zorbel_probe.dll, which runs
// inside zorbel.exe's UI thread. The driver posts kRequestMessageName to the
// main window with a ProbeRequest in wParam and an argument in lParam; the
// probe writes its answer into the reply mapping and sets the reply event.
// Requests queue behind whatever was posted to zorbel before them, so an
// answer also means that those messages have been handled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace probe {

inline constexpr wchar_t kRequestMessageName[] = L"ZorbelProbeRequest";
inline constexpr wchar_t kReplyMappingName[] = L"Local\\ZorbelProbeReply";
inline constexpr wchar_t kReplyEventName[] = L"Local\\ZorbelProbeReplyReady";
inline constexpr char kHookProcName[] = "ZorbelProbeHook";

// The reply: a count of UTF-16 units, then that many units of text.
inline constexpr std::uint32_t kReplyMappingBytes = 1u << 20;
inline constexpr std::uint32_t kReplyTextCapacity =
    (kReplyMappingBytes - sizeof(std::uint32_t)) / sizeof(wchar_t);

enum class ProbeRequest : unsigned {
  // Every item of the main menu, one line each (see MenuDump.h).
  DumpMenu = 1,
  // WM_INITMENUPOPUP for each popup along the menu path in lParam (see
  // PackMenuPath), outermost first, as opening them by hand sends; then
  // DumpMenu.
  OpenPopupAndDumpMenu = 2,
  // Every tool of every tooltip control of the main window (TooltipDump.h).
  DumpTooltips = 3,
  // Answers "" at once: a barrier behind messages posted earlier.
  Ping = 4,
  // The standard icon of zorbel's visible message box (MessageBoxIcon.h).
  NameMessageBoxIcon = 5,
  // For the main window's control with the ID in lParam: "<range> <page>"
  // of its vertical, then its horizontal scroll bar, one line each (other
  // processes cannot read a window's scroll bars under Wine).
  DescribeScrollBars = 6,
};

// A menu path (item positions from the menu bar down) in one LPARAM: one
// byte per level, outermost in the lowest byte, each position plus one so
// that a zero byte ends the path.
inline constexpr std::size_t kMaxMenuDepth = sizeof(LPARAM);

inline LPARAM PackMenuPath(const std::vector<int>& positions) {
  std::uint64_t packed = 0;
  for (std::size_t level = 0; level < positions.size() && level < kMaxMenuDepth; ++level)
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
