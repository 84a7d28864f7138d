#pragma once
// One picture of the signal: the spectrum, the waterfall lines due since the
// last picture, where the two tones lie and how loud each sounds just now.

#include <span>

namespace zorbel::engine_side {

// How often the picture is refreshed (about 15 times a second), and so how
// much audio one waterfall line stands for: real-time input fills a line per picture.
inline constexpr unsigned kPictureIntervalMs = 66;

struct SignalFrame {
    std::span<const float> powerDb;  // from 0 Hz, binHz apart
    double binHz = 1.0;
    // New waterfall lines, oldest first, each as many bins as powerDb.
    std::span<const float> waterfallDb;
    // None (0) while the mode is being found.
    double markToneHz = 0.0;
    double spaceToneHz = 0.0;
    // The two tones' levels over the last half bit, for the tuning indicator.
    double markLevelDb = -200.0;
    double spaceLevelDb = -200.0;
};

}  // namespace zorbel::engine_side
