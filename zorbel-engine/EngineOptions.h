#pragma once
// zorbel-engine's command line: MMTTY's own "-r -h<HEX>" from the program,
// then what a user (or mmtty.bat) adds:
//   --wav FILE  play a recording instead of listening to the sound card
//   --fast      play it as fast as the program takes the characters
//   --repeat    start the recording again at its end, like a station
//   --baud N --shift N --mark N --stopbits N  the mode for this run
//   --reverse, --normal  this polarity for this run rather than finding it
//   --unshift-on-space  a space returns to letters, for this run

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::engine_side {

struct EngineOptions {
    std::uint64_t mainWindow = 0;
    std::wstring wavPath;
    bool fast = false;
    bool repeat = false;
    // Set only when the command line names a part of the mode; the rest
    // comes from the stored settings.
    std::optional<double> baud, shiftHz, markHz, stopBits;
    // The polarity told: reversed or normal; none leaves it to the settings.
    std::optional<bool> reversed;
    bool unshiftOnSpace = false;

    decoder::RttyMode AppliedTo(decoder::RttyMode stored) const;
};

// Nothing when an argument is unknown or malformed, or a number lies outside
// what the decoder takes; error names it (in German, for a message box).
std::optional<EngineOptions> ParseEngineOptions(const std::vector<std::wstring>& arguments, std::wstring& error);

}  // namespace zorbel::engine_side
