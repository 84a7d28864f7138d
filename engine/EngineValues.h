#pragma once
// The values the engine answers to its query, and the packing of the values
// of the window docking and notch commands into one 32-bit lParam.

#include <cstdint>

namespace zorbel::engine {

struct EngineValues {
    std::int32_t valueA = 0;  // last answer ValueA (the mark frequency)
    std::int32_t valueB = 0;  // last answer ValueB (the space frequency)
    std::int32_t notchHigh = 0;
    std::int32_t notchLow = 0;
};

struct NotchPair {
    std::int32_t high;
    std::int32_t low;
};

// An engine that reports only one notch puts it in the low word; then both
// notches take it.
NotchPair UnpackNotchPair(std::int32_t value);

// The notch just entered goes into the low word, the one kept into the high
// word. Both travel as 16-bit patterns, so a kept notch outside the 16-bit
// signed range cannot overflow the 32-bit value.
std::int32_t PackNotchPair(std::int32_t keptNotch, std::int32_t enteredNotch);

// y * 65536 + x, as the engine reads the docking position.
std::int32_t PackDockPosition(std::int32_t x, std::int32_t y);

}  // namespace zorbel::engine
