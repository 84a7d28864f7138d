#pragma once
// What a line's worth of brightness shows: how much of it is one of the
// tones (black and white alternating at a fixed rate), and how like the line
// before it it is, as a chart's lines are and noise, RTTY and a steady
// carrier are not. An unknown brightness (see FaxDemodulator.h) counts as
// the middle grey.

#include <span>

namespace zorbel::decoder {

// The share of the brightness's variation that alternates at toneHz, 0 to 1
// (1 for a sine, 0.81 for the square wave a station sends); 0 for a steady
// brightness.
double ToneShare(std::span<const float> brightness, double toneHz, double brightnessRate);

// The correlation coefficient of the samples from `at` on, `length` long,
// with those one line earlier, the best over lags within `spread` samples of
// lineSamples; 0 where either is nearly steady. `at` must lie at least
// lineSamples + spread into the brightness.
double LineLikeness(std::span<const float> brightness, std::size_t at, std::size_t length, std::size_t lineSamples,
                    std::size_t spread);

}  // namespace zorbel::decoder
