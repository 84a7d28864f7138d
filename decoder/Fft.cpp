#include "decoder/Fft.h"

#include <bit>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace zorbel::decoder {

Fft::Fft(std::size_t size) : twiddleRe_(size / 2), twiddleIm_(size / 2), bitReversed_(size) {
    if (size < 2 || !std::has_single_bit(size)) throw std::invalid_argument("FFT size must be a power of two");
    const int bits = std::countr_zero(size);
    for (std::size_t n = 0; n < size; ++n) {
        for (int bit = 0; bit < bits; ++bit) bitReversed_[n] |= ((n >> bit) & 1u) << (bits - 1 - bit);
    }
    for (std::size_t k = 0; k < size / 2; ++k) {
        const double angle = -2.0 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(size);
        twiddleRe_[k] = static_cast<float>(std::cos(angle));
        twiddleIm_[k] = static_cast<float>(std::sin(angle));
    }
}

void Fft::Transform(std::span<float> re, std::span<float> im) const {
    const std::size_t size = Size();
    // Bit-reversed order first, so the butterflies below work in place.
    for (std::size_t n = 0; n < size; ++n) {
        if (n < bitReversed_[n]) {
            std::swap(re[n], re[bitReversed_[n]]);
            std::swap(im[n], im[bitReversed_[n]]);
        }
    }
    for (std::size_t half = 1; half < size; half *= 2) {
        const std::size_t stride = size / (2 * half);
        for (std::size_t start = 0; start < size; start += 2 * half) {
            for (std::size_t k = 0; k < half; ++k) {
                const std::size_t even = start + k;
                const std::size_t odd = even + half;
                const float twiddleRe = twiddleRe_[k * stride];
                const float twiddleIm = twiddleIm_[k * stride];
                const float turnedRe = re[odd] * twiddleRe - im[odd] * twiddleIm;
                const float turnedIm = re[odd] * twiddleIm + im[odd] * twiddleRe;
                re[odd] = re[even] - turnedRe;
                im[odd] = im[even] - turnedIm;
                re[even] += turnedRe;
                im[even] += turnedIm;
            }
        }
    }
}

}  // namespace zorbel::decoder
