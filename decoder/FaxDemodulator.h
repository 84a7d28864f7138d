#pragma once
// The radiofax subcarrier's frequency read as brightness: the audio mixed
// down from the centre frequency, low-passed to the band the picture uses,
// taken at about 8000 samples a second, and the phase step between samples
// turned into 0 (black) to 1 (white), clipped there so that a click of noise
// weighs no more than a wrong element. Where the signal has faded far below
// its recent strength and into the noise the phase steps are noise: there the
// brightness is marked unknown, for the chart to fill from the line before (a
// chart's lines are mostly alike) and the measures to take as grey.

#include <complex>
#include <span>
#include <vector>

#include "decoder/EnvelopeNoise.h"
#include "decoder/FaxMode.h"

namespace zorbel::decoder {

inline constexpr float kUnknownBrightness = -1.0f;
// An unknown brightness taken as the middle grey.
inline float GreyIfUnknown(float brightness) { return brightness < 0.0f ? 0.5f : brightness; }

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
    double meanPower_ = 0.0;
    double powerSmoothing_;
    EnvelopeNoise noise_;
};

}  // namespace zorbel::decoder
