#pragma once
// A notch: removes one frequency (a carrier next to the signal) and leaves
// the rest of the band, a second-order filter with its zeros on that
// frequency and its poles just inside them.

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

}  // namespace zorbel::decoder
