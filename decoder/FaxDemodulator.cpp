#include "decoder/FaxDemodulator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorbel::decoder {
namespace {

// Black and white lie within the deviation; the sidebands of fine detail
// reach further, but cutting them 200 Hz beyond costs less detail than the
// noise of a wider band does in a weak signal (measured with bench_fax).
constexpr double kBandBeyondDeviationHz = 200.0;
constexpr double kFilterSeconds = 0.005;
constexpr double kLowestBrightnessRate = 8000.0;
// The signal's strength is followed over about this long; below this share
// of it the signal counts as faded, unless it still stands this many times
// above the noise (a strong signal read through a deep fade; measured with
// bench_fax on fading paths, where a share alone threw such stretches away).
constexpr double kPowerSeconds = 2.0;
constexpr double kFadedShare = 0.2;
constexpr double kTimesTheNoise = 2.0;

std::vector<double> LowPass(double cutoffHz, double sampleRate) {
    const int half = static_cast<int>(kFilterSeconds * sampleRate / 2.0);
    std::vector<double> taps;
    double sum = 0.0;
    for (int tap = -half; tap <= half; ++tap) {
        const double x = 2.0 * cutoffHz / sampleRate * tap;
        const double sinc = tap == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double hamming = 0.54 + 0.46 * std::cos(std::numbers::pi * tap / (half + 1));
        taps.push_back(sinc * hamming);
        sum += taps.back();
    }
    for (double& tap : taps) tap /= sum;
    return taps;
}

}  // namespace

FaxDemodulator::FaxDemodulator(const FaxMode& mode, double sampleRate)
    : decimation_(std::max(1, static_cast<int>(sampleRate / kLowestBrightnessRate))),
      mixerStep_(std::polar(1.0, -2.0 * std::numbers::pi * mode.centreHz / sampleRate)),
      taps_(LowPass(mode.deviationHz + kBandBeyondDeviationHz, sampleRate)),
      history_(2 * taps_.size()),
      noise_(sampleRate / decimation_) {
    brightnessRate_ = sampleRate / decimation_;
    powerSmoothing_ = 1.0 / (kPowerSeconds * brightnessRate_);
    brightnessPerRadian_ = brightnessRate_ / (2.0 * std::numbers::pi) / (2.0 * mode.deviationHz);
}

void FaxDemodulator::Demodulate(std::span<const float> audio, std::vector<float>& brightness) {
    const std::size_t length = taps_.size();
    for (const float sample : audio) {
        const std::complex<double> mixed = mixer_ * static_cast<double>(sample);
        mixer_ *= mixerStep_;
        // Kept on the unit circle against rounding.
        if (++mixed_ % 1024 == 0) mixer_ /= std::abs(mixer_);
        history_[written_] = history_[written_ + length] = mixed;
        written_ = (written_ + 1) % length;
        if (++sinceOutput_ < decimation_) continue;
        sinceOutput_ = 0;
        std::complex<double> filtered{};
        const std::complex<double>* oldest = &history_[written_];
        for (std::size_t tap = 0; tap < length; ++tap) filtered += taps_[tap] * oldest[tap];
        const double step = std::arg(filtered * std::conj(before_));
        before_ = filtered;
        const double power = std::norm(filtered);
        meanPower_ += (power - meanPower_) * powerSmoothing_;
        noise_.Add(power);
        brightness.push_back(power < std::min(kFadedShare * meanPower_, kTimesTheNoise * noise_.Power())
                                 ? kUnknownBrightness
                                 : static_cast<float>(std::clamp(0.5 + step * brightnessPerRadian_, 0.0, 1.0)));
    }
}

}  // namespace zorbel::decoder
