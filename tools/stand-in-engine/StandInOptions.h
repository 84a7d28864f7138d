#pragma once
// The stand-in engine's command line: the engine's own "-r -h<HEX>" and the
// options that let tests steer it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorbel::standin {

struct StandInOptions {
    std::uint64_t mainWindow = 0;  // -h<HEX>; else taken from the handshake
    std::string logPath;           // --log FILE; empty: mmtty_standin.log beside the program
    std::string feedPath;          // --feed FILE: characters to send
    bool fast = false;             // --fast: as fast as the queue takes them
    bool feedOnRequest = false;    // --feed-on-request: wait for the feed command instead of the handshake
    bool repeat = false;           // --repeat: start the text again after its end, like a station
    bool silent = false;           // --silent: no answers to the value query
    std::int32_t mark = 2125;      // --mark N
    std::int32_t space = 2295;     // --space N
    std::int32_t notchHigh = 0;    // --notch HIGH,LOW
    std::int32_t notchLow = 1200;
    unsigned windowDelayMs = 0;                // --window-delay MS before the window exists
    std::optional<std::int32_t> extraCode;     // --send-code N after the feed, e.g. 300
};

// Nothing when an argument is unknown or malformed; the error says which.
std::optional<StandInOptions> ParseStandInOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace zorbel::standin
