#pragma once
// The noise power beside a signal of constant envelope, such as a frequency-
// modulated subcarrier, from the power of its samples alone: over a short
// block the signal's power S stays put while the noise's N varies, so the
// block's mean power S + N and mean squared power S² + 4SN + 2N² tell them
// apart. A block in which the signal itself changed (a fade's edge, the
// filter's ringing at a picture's edge) overstates the noise: the median of
// the last few seconds' blocks passes over them.

#include <cstddef>
#include <vector>

namespace zorbel::decoder {

class EnvelopeNoise {
public:
    explicit EnvelopeNoise(double sampleRate);

    void Add(double power);
    // 0 until the first block is measured.
    double Power() const { return power_; }

private:
    int blockSamples_;
    double sum_ = 0.0, sumOfSquares_ = 0.0;
    int count_ = 0;
    std::vector<double> blocks_;
    std::size_t next_ = 0, measured_ = 0;
    double power_ = 0.0;
};

}  // namespace zorbel::decoder
