#pragma once
// A radix-2 fast Fourier transform in place, of a size that is a power of two.
// Real and imaginary parts live apart: packing them into std::complex made the
// compiler shuffle them through memory at every butterfly.

#include <cstddef>
#include <span>
#include <vector>

namespace zorbel::decoder {

class Fft {
public:
    explicit Fft(std::size_t size);

    std::size_t Size() const { return bitReversed_.size(); }
    // Transforms re + i im, each Size() long, in place: natural order in and out.
    void Transform(std::span<float> re, std::span<float> im) const;

private:
    std::vector<float> twiddleRe_, twiddleIm_;
    std::vector<std::size_t> bitReversed_;
};

}  // namespace zorbel::decoder
