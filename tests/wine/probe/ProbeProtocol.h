// Wire contract between the test driver and zorbel_probe.dll, which runs
// inside zorbel.exe's UI thread. The driver posts kRequestMessageName to the
// main window with a ProbeRequest in wParam and an argument in lParam; the
// probe writes its answer into the reply mapping and sets the reply event.
#pragma once

#include <cstdint>

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
  // WM_INITMENUPOPUP for the top-level popup lParam, then DumpMenu.
  OpenPopupAndDumpMenu = 2,
  // Every tool of every tooltip control of the main window (TooltipDump.h).
  DumpTooltips = 3,
};

}  // namespace probe
