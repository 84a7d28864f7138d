#pragma once
// What the decoder takes: the range of each part of the mode and of the
// sample rate. Every command line, stored setting and file header is held to
// them before a decoder is made, because outside them its buffers or loops
// grow without bound (a rate of 4294967295 Hz would want gigabytes, a shift
// of infinity never ends a search) or its tones leave the audio band.

namespace zorbel::decoder {

struct ValueRange {
    double lowest;
    double highest;
    // False for NaN too, which compares false with everything.
    constexpr bool Holds(double value) const { return value >= lowest && value <= highest; }
};

inline constexpr ValueRange kBaudRange{10.0, 300.0};
inline constexpr ValueRange kShiftRange{20.0, 1500.0};
inline constexpr ValueRange kMarkRange{300.0, 3000.0};
inline constexpr ValueRange kStopBitsRange{1.0, 2.0};
inline constexpr ValueRange kSampleRateRange{1000.0, 384000.0};

}  // namespace zorbel::decoder
