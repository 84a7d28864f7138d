#include "decoder/InputConditioner.h"

#include <algorithm>
#include <cmath>

namespace zorbel::decoder {
namespace {

// Far above full scale (1), yet small enough that a bit's worth of samples
// summed in the demodulator stays well inside float range.
constexpr double kLargest = 1e6;
// A sample beyond this many times the running RMS level is a click: white
// noise about never gets there, the peaks of an FSK signal stay at 1.4.
constexpr double kClickRatio = 10.0;
// The running level averages over about this long. Samples cut at
// kClickRatio still lift it by up to kClickRatio^2 times per this time
// (more than e^100 in a second), so a real step up is followed at once
// while a click of a few milliseconds barely moves it. Until that many
// samples have come it is their plain mean, so that the start needs no
// guess: a signal from the first sample on is cut only for a few samples.
constexpr double kLevelSeconds = 0.5;
// About -120 dB full scale: below it the level does not sink, so that what
// follows digital silence is not cut to nothing.
constexpr double kQuietestMeanSquare = 1e-12;

}  // namespace

InputConditioner::InputConditioner(double sampleRate)
    : averaged_(std::max(1.0, kLevelSeconds * sampleRate)), meanSquare_(kQuietestMeanSquare) {}

void InputConditioner::Condition(std::span<float> samples) {
    for (float& sample : samples) {
        double value = std::isfinite(sample) ? std::clamp(static_cast<double>(sample), -kLargest, kLargest) : 0.0;
        const double limitSquare = kClickRatio * kClickRatio * meanSquare_;
        if (value * value > limitSquare) value = std::copysign(std::sqrt(limitSquare), value);
        sample = static_cast<float>(value);
        // Digital silence (a card opened before the receiver is on) says
        // nothing of the level: what follows it is judged as from the start,
        // or by the level heard before it.
        if (value == 0.0) continue;
        taken_ = std::min(taken_ + 1.0, averaged_);
        meanSquare_ = std::max(kQuietestMeanSquare, meanSquare_ + (value * value - meanSquare_) / taken_);
    }
}

}  // namespace zorbel::decoder
