#include "decoder/Spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorbel::decoder {
namespace {

// Below this a bin counts as silence, so that log10 never sees zero.
constexpr float kFloorDb = -150.0f;

}  // namespace

Spectrum::Spectrum(int size, double sampleRate)
    : fft_(static_cast<std::size_t>(size)),
      window_(static_cast<std::size_t>(size)),
      re_(static_cast<std::size_t>(size)),
      im_(static_cast<std::size_t>(size)),
      power_(static_cast<std::size_t>(size / 2)),
      powerDb_(static_cast<std::size_t>(size / 2)),
      binHz_(sampleRate / size) {
    for (int n = 0; n < size; ++n) {
        window_[static_cast<std::size_t>(n)] =
            static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / size));
    }
}

int Spectrum::BinOf(double frequencyHz) const {
    return std::clamp(static_cast<int>(std::lround(frequencyHz / binHz_)), 0, static_cast<int>(powerDb_.size()) - 1);
}

std::span<const float> Spectrum::PowerDb(std::span<const float> samples) {
    Power(samples);
    for (std::size_t k = 0; k < powerDb_.size(); ++k) {
        powerDb_[k] = power_[k] > 0.0f ? std::max(kFloorDb, 10.0f * std::log10(power_[k])) : kFloorDb;
    }
    return powerDb_;
}

std::span<const float> Spectrum::Power(std::span<const float> samples) {
    const std::size_t size = window_.size();
    const std::size_t taken = std::min(size, samples.size());
    const std::size_t padding = size - taken;
    const float* first = samples.data() + (samples.size() - taken);
    for (std::size_t n = 0; n < size; ++n) {
        re_[n] = n < padding ? 0.0f : first[n - padding] * window_[n];
        im_[n] = 0.0f;
    }
    fft_.Transform(re_, im_);
    // A full-scale sine through the Hann window peaks at size / 4.
    const float fullScale = static_cast<float>(size) / 4.0f;
    const float scale = 1.0f / (fullScale * fullScale);
    for (std::size_t k = 0; k < power_.size(); ++k) power_[k] = (re_[k] * re_[k] + im_[k] * im_[k]) * scale;
    return power_;
}

}  // namespace zorbel::decoder
