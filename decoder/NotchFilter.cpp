#include "decoder/NotchFilter.h"

#include <cmath>
#include <numbers>

namespace zorbel::decoder {
namespace {

// The notch is this wide where it takes away half the power: a carrier a
// little off the set frequency still goes, a tone a shift away stays whole.
constexpr double kWidthHz = 30.0;

}  // namespace

NotchFilter::NotchFilter(double frequencyHz, double sampleRate) {
    const double angle = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    const double radius = 1.0 - std::numbers::pi * kWidthHz / sampleRate;
    b1_ = -2.0 * std::cos(angle);
    a1_ = radius * b1_;
    a2_ = radius * radius;
}

float NotchFilter::Next(float sample) {
    const double out = sample + b1_ * in1_ + in2_ - a1_ * out1_ - a2_ * out2_;
    in2_ = in1_;
    in1_ = sample;
    out2_ = out1_;
    out1_ = out;
    return static_cast<float>(out);
}

void NotchPair::Set(double firstHz, double secondHz, double sampleRate) {
    hz_[0] = firstHz;
    hz_[1] = secondHz;
    filters_.clear();
    for (const double hz : hz_) {
        if (hz > 0.0 && hz < sampleRate / 2.0) filters_.emplace_back(hz, sampleRate);
    }
}

float NotchPair::Next(float sample) {
    for (NotchFilter& filter : filters_) sample = filter.Next(sample);
    return sample;
}

}  // namespace zorbel::decoder
