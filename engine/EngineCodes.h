#pragma once
// The codes that travel in wParam of the engine's registered message "MMTTY";
// the value travels in lParam.

#include <cstdint>

namespace zorbel::engine {

// Program to engine, posted to the engine window.
enum class EngineCommand : std::int32_t {
    Handshake = 0,      // value: the main window's handle
    End = 2,            // value: 0
    DockPosition = 5,   // value: y * 65536 + x, pixels
    DockWidth = 6,      // value: width in pixels
    QueryValues = 7,    // value: 0; answered with ValueA, ValueB and NotchPair
    Visibility = 16,    // value: 0 hides the engine window, 1 shows it
    Release = 22,       // value: 1
    SetNotch = 23,      // value: the notch pair
};

// Engine to program, posted to the main window.
enum class EngineAnswer : std::int32_t {
    Announce = 0x8000,   // value: the engine window's handle
    Started = 0x8002,
    Character = 0x8003,  // value: one received character code
    ValueA = 0x8007,
    ValueB = 0x8008,
    NotchPair = 0x8011,  // value: two 16-bit notch frequencies
};

}  // namespace zorbel::engine
