#pragma once
// A notch: removes one frequency (a carrier next to the signal) and leaves
// the rest of the band, a second-order filter with its zeros on that
// frequency and its poles just inside them. The decoders take out the two
// MMTTY's contract carries.

#include <vector>

namespace zorbel::decoder {

class NotchFilter {
public:
    NotchFilter(double frequencyHz, double sampleRate);

    float Next(float sample);

private:
    double b1_;  // the zeros: 1 + b1 z^-1 + z^-2
    double a1_, a2_;  // the poles: 1 + a1 z^-1 + a2 z^-2
    double in1_ = 0.0, in2_ = 0.0, out1_ = 0.0, out2_ = 0.0;
};

// Two notches in a row; 0 Hz (or one at or above half the sample rate) leaves one off.
class NotchPair {
public:
    void Set(double firstHz, double secondHz, double sampleRate);
    float Next(float sample);
    double FirstHz() const { return hz_[0]; }
    double SecondHz() const { return hz_[1]; }

private:
    double hz_[2] = {0.0, 0.0};
    std::vector<NotchFilter> filters_;
};

}  // namespace zorbel::decoder
