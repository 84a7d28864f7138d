#include "decoder/Spectrum.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace zorbel::decoder {
namespace {

// Below this a bin counts as silence, so that log10 never sees zero.
constexpr float kFloorDb = -150.0f;

}  // namespace

Spectrum::Spectrum(int size, double sampleRate)
    : window_(static_cast<std::size_t>(size)),
      twiddles_(static_cast<std::size_t>(size / 2)),
      bins_(static_cast<std::size_t>(size)),
      powerDb_(static_cast<std::size_t>(size / 2)),
      binHz_(sampleRate / size) {
    if (size < 2 || !std::has_single_bit(static_cast<unsigned>(size))) {
        throw std::invalid_argument("spectrum size must be a power of two");
    }
    for (int n = 0; n < size; ++n) {
        window_[static_cast<std::size_t>(n)] =
            static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / size));
    }
    for (int k = 0; k < size / 2; ++k) {
        twiddles_[static_cast<std::size_t>(k)] = std::polar(1.0f, static_cast<float>(-2.0 * std::numbers::pi * k / size));
    }
}

int Spectrum::BinOf(double frequencyHz) const {
    return std::clamp(static_cast<int>(std::lround(frequencyHz / binHz_)), 0, static_cast<int>(powerDb_.size()) - 1);
}

std::span<const float> Spectrum::PowerDb(std::span<const float> samples) {
    const std::size_t size = window_.size();
    const std::size_t taken = std::min(size, samples.size());
    const std::size_t padding = size - taken;
    const float* first = samples.data() + (samples.size() - taken);
    // Bit-reversed order in, so the butterflies below work in place.
    const int bits = std::countr_zero(size);
    for (std::size_t n = 0; n < size; ++n) {
        const float sample = n < padding ? 0.0f : first[n - padding] * window_[n];
        std::size_t reversed = 0;
        for (int bit = 0; bit < bits; ++bit) reversed |= ((n >> bit) & 1u) << (bits - 1 - bit);
        bins_[reversed] = {sample, 0.0f};
    }
    for (std::size_t half = 1; half < size; half *= 2) {
        const std::size_t stride = size / (2 * half);
        for (std::size_t start = 0; start < size; start += 2 * half) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::complex<float> odd = bins_[start + k + half] * twiddles_[k * stride];
                bins_[start + k + half] = bins_[start + k] - odd;
                bins_[start + k] += odd;
            }
        }
    }
    // A full-scale sine through the Hann window peaks at size / 4.
    const float fullScale = static_cast<float>(size) / 4.0f;
    for (std::size_t k = 0; k < powerDb_.size(); ++k) {
        const float power = std::norm(bins_[k] / fullScale);
        powerDb_[k] = power > 0.0f ? std::max(kFloorDb, 10.0f * std::log10(power)) : kFloorDb;
    }
    return powerDb_;
}

}  // namespace zorbel::decoder
