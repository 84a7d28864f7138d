#pragma once
// The waterfall's colour for a level from 0 (noise floor) to 1 (strongest):
// black through blue and red to yellow and white, so that a tone stands out
// from the noise by brightness and hue. A pixel of a 32-bit DIB: 0x00RRGGBB.

#include <algorithm>
#include <array>
#include <cstdint>

namespace zorbel::engine_side {

inline std::uint32_t WaterfallColour(double level) {
    struct Stop {
        double at;
        int red, green, blue;
    };
    static constexpr std::array<Stop, 5> kStops{{{0.0, 0, 0, 0},
                                                 {0.4, 0, 0, 150},
                                                 {0.65, 200, 0, 80},
                                                 {0.85, 255, 220, 0},
                                                 {1.0, 255, 255, 255}}};
    level = std::clamp(level, 0.0, 1.0);
    std::size_t upper = 1;
    while (upper + 1 < kStops.size() && level > kStops[upper].at) ++upper;
    const Stop& a = kStops[upper - 1];
    const Stop& b = kStops[upper];
    const double t = (level - a.at) / (b.at - a.at);
    const auto mix = [t](int from, int to) { return static_cast<std::uint32_t>(from + (to - from) * t + 0.5); };
    return (mix(a.red, b.red) << 16) | (mix(a.green, b.green) << 8) | mix(a.blue, b.blue);
}

}  // namespace zorbel::engine_side
