#include "decoder/Spectrum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zorbel::decoder {
namespace {

// Below this a bin counts as silence, so that log10 never sees zero.
constexpr float kFloorDb = -150.0f;

}  // namespace

Spectrum::Spectrum(int size, double sampleRate)
    : window_(static_cast<std::size_t>(size)),
      twiddleRe_(static_cast<std::size_t>(size / 2)),
      twiddleIm_(static_cast<std::size_t>(size / 2)),
      re_(static_cast<std::size_t>(size)),
      im_(static_cast<std::size_t>(size)),
      bitReversed_(static_cast<std::size_t>(size)),
      power_(static_cast<std::size_t>(size / 2)),
      powerDb_(static_cast<std::size_t>(size / 2)),
      binHz_(sampleRate / size) {
    if (size < 2 || !std::has_single_bit(static_cast<unsigned>(size))) {
        throw std::invalid_argument("spectrum size must be a power of two");
    }
    for (int n = 0; n < size; ++n) {
        window_[static_cast<std::size_t>(n)] =
            static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / size));
    }
    const int bits = std::countr_zero(static_cast<unsigned>(size));
    for (std::size_t n = 0; n < bitReversed_.size(); ++n) {
        for (int bit = 0; bit < bits; ++bit) bitReversed_[n] |= ((n >> bit) & 1u) << (bits - 1 - bit);
    }
    for (int k = 0; k < size / 2; ++k) {
        const double angle = -2.0 * std::numbers::pi * k / size;
        twiddleRe_[static_cast<std::size_t>(k)] = static_cast<float>(std::cos(angle));
        twiddleIm_[static_cast<std::size_t>(k)] = static_cast<float>(std::sin(angle));
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
    // Bit-reversed order in, so the butterflies below work in place. Real
    // and imaginary parts live apart: packing them into std::complex made
    // the compiler shuffle them through memory at every butterfly.
    for (std::size_t n = 0; n < size; ++n) {
        re_[bitReversed_[n]] = n < padding ? 0.0f : first[n - padding] * window_[n];
        im_[bitReversed_[n]] = 0.0f;
    }
    for (std::size_t half = 1; half < size; half *= 2) {
        const std::size_t stride = size / (2 * half);
        for (std::size_t start = 0; start < size; start += 2 * half) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::size_t even = start + k;
                const std::size_t odd = even + half;
                const float twiddleRe = twiddleRe_[k * stride];
                const float twiddleIm = twiddleIm_[k * stride];
                const float turnedRe = re_[odd] * twiddleRe - im_[odd] * twiddleIm;
                const float turnedIm = re_[odd] * twiddleIm + im_[odd] * twiddleRe;
                re_[odd] = re_[even] - turnedRe;
                im_[odd] = im_[even] - turnedIm;
                re_[even] += turnedRe;
                im_[even] += turnedIm;
            }
        }
    }
    // A full-scale sine through the Hann window peaks at size / 4.
    const float fullScale = static_cast<float>(size) / 4.0f;
    const float scale = 1.0f / (fullScale * fullScale);
    for (std::size_t k = 0; k < power_.size(); ++k) power_[k] = (re_[k] * re_[k] + im_[k] * im_[k]) * scale;
    return power_;
}

}  // namespace zorbel::decoder
