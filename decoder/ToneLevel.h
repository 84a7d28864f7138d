#pragma once
// The power of one tone in a short stretch of samples (Goertzel), for the
// tuning indicator: over about one bit it tells whether mark or space sounds
// now, which the spectrum's longer window blurs.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace zorbel::decoder {

// In decibels relative to a full-scale sine; very low for silence.
inline double ToneLevelDb(std::span<const float> samples, double frequencyHz, double sampleRate) {
    if (samples.empty()) return -200.0;
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequencyHz / sampleRate);
    double previous = 0.0, beforePrevious = 0.0;
    for (const float sample : samples) {
        const double next = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = next;
    }
    const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    const double amplitude = 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(samples.size());
    return 20.0 * std::log10(amplitude + 1e-10);
}

}  // namespace zorbel::decoder
