#pragma once
// The power spectrum of the latest block of samples, for finding a signal's
// tones and for showing them: a Hann-windowed FFT whose bins are given in
// decibels relative to full scale.

#include <span>
#include <vector>

#include "decoder/Fft.h"

namespace zorbel::decoder {

class Spectrum {
public:
    // size: the number of samples per transform, a power of two.
    Spectrum(int size, double sampleRate);

    // The power of each bin from 0 Hz to half the sample rate (size / 2
    // bins), from the last size samples given; fewer samples are padded
    // with silence.
    std::span<const float> PowerDb(std::span<const float> samples);
    // The same as linear power (a full-scale sine peaks at 1), for averaging.
    std::span<const float> Power(std::span<const float> samples);

    int Size() const { return static_cast<int>(window_.size()); }
    double BinHz() const { return binHz_; }
    int BinOf(double frequencyHz) const;

private:
    Fft fft_;
    std::vector<float> window_;
    std::vector<float> re_, im_;
    std::vector<float> power_;
    std::vector<float> powerDb_;
    double binHz_;
};

}  // namespace zorbel::decoder
