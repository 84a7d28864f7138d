#pragma once
// The radiofax subcarrier's frequency read as brightness: the audio mixed
// down from the centre frequency, low-passed to the band the picture uses,
// taken at about 8000 samples a second, and the phase step between samples
// turned into 0 (black) to 1 (white), clipped there so that a click of noise
// weighs no more than a wrong element.

#include <complex>
#include <span>
#include <vector>

#include "decoder/FaxMode.h"

namespace zorbel::decoder {

class FaxDemodulator {
public:
    FaxDemodulator(const FaxMode& mode, double sampleRate);

    // Samples of brightness a second: the sample rate over a whole number.
    double BrightnessRate() const { return brightnessRate_; }

    // Appends the brightness of each sample the audio completes.
    void Demodulate(std::span<const float> audio, std::vector<float>& brightness);

private:
    double brightnessRate_;
    int decimation_;
    std::complex<double> mixerStep_;
    std::complex<double> mixer_{1.0, 0.0};
    std::vector<double> taps_;
    // The mixed audio, written twice so that the taps' span never wraps.
    std::vector<std::complex<double>> history_;
    std::size_t written_ = 0;
    int sinceOutput_ = 0;
    std::complex<double> before_{};
    double brightnessPerRadian_;
    long long mixed_ = 0;
};

}  // namespace zorbel::decoder
