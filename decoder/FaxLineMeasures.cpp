#include "decoder/FaxLineMeasures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "decoder/FaxDemodulator.h"

namespace zorbel::decoder {
namespace {

// Below this variance (a brightness steady within a few per cent) a line
// holds no picture worth comparing: a carrier or a plain margin.
constexpr double kSteadyVariance = 1e-3;

double Mean(std::span<const float> samples) {
    double sum = 0.0;
    for (const float sample : samples) sum += GreyIfUnknown(sample);
    return sum / static_cast<double>(samples.size());
}

}  // namespace

double ToneShare(std::span<const float> brightness, double toneHz, double brightnessRate) {
    const double mean = Mean(brightness);
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * toneHz / brightnessRate);
    std::complex<double> turn{1.0, 0.0}, sum{};
    double energy = 0.0;
    for (const float sample : brightness) {
        const double varying = GreyIfUnknown(sample) - mean;
        sum += varying * turn;
        turn *= step;
        energy += varying * varying;
    }
    const auto count = static_cast<double>(brightness.size());
    if (energy < kSteadyVariance * count) return 0.0;
    return std::min(1.0, 2.0 * std::norm(sum) / (count * energy));
}

double LineLikeness(std::span<const float> brightness, std::size_t at, std::size_t length, std::size_t lineSamples,
                    std::size_t spread) {
    const std::span<const float> line = brightness.subspan(at, length);
    const double mean = Mean(line);
    double energy = 0.0;
    for (const float sample : line) energy += (GreyIfUnknown(sample) - mean) * (GreyIfUnknown(sample) - mean);
    const auto count = static_cast<double>(length);
    if (energy < kSteadyVariance * count) return 0.0;
    double best = 0.0;
    for (std::size_t lag = lineSamples - spread; lag <= lineSamples + spread; ++lag) {
        const std::span<const float> before = brightness.subspan(at - lag, length);
        const double beforeMean = Mean(before);
        double beforeEnergy = 0.0, product = 0.0;
        for (std::size_t index = 0; index < length; ++index) {
            const double earlier = GreyIfUnknown(before[index]) - beforeMean;
            beforeEnergy += earlier * earlier;
            product += earlier * (GreyIfUnknown(line[index]) - mean);
        }
        if (beforeEnergy < kSteadyVariance * count) continue;
        best = std::max(best, product / std::sqrt(energy * beforeEnergy));
    }
    return best;
}

}  // namespace zorbel::decoder
