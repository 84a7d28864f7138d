#include "decoder/SignalGenerator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>

#include "decoder/Ccir476.h"
#include "decoder/FecTransmission.h"
#include "decoder/Ita2.h"

namespace zorbel::decoder {
namespace {

// The bits on the line, each with its length in bits (stop bits may be 1.5).
struct LineBit {
    bool mark;
    double bits;
};

std::vector<LineBit> LineBits(std::string_view text, const RttyMode& mode, const SignalShape& shape) {
    std::vector<LineBit> line{{true, shape.leadSeconds * mode.baud}};
    for (const std::uint8_t code : EncodeIta2(text)) {
        line.push_back({false, 1.0});
        for (int bit = 0; bit < 5; ++bit) line.push_back({((code >> bit) & 1u) != 0, 1.0});
        line.push_back({true, mode.stopBits});
    }
    line.push_back({true, shape.tailSeconds * mode.baud});
    return line;
}

// Pairs of independent standard Gaussian numbers: Box-Muller over the 64-bit
// Mersenne Twister, whose output the standard fixes exactly
// (std::normal_distribution's it does not).
class GaussianPairs {
public:
    explicit GaussianPairs(std::uint64_t seed) : random_(seed) {}
    std::complex<double> Next() {
        const double radius = std::sqrt(-2.0 * std::log(Uniform()));
        return std::polar(radius, 2.0 * std::numbers::pi * Uniform());
    }

private:
    double Uniform() { return (static_cast<double>(random_() >> 11) + 0.5) * 0x1.0p-53; }
    std::mt19937_64 random_;
};

// The analytic signal of the audio (up to a phase that does not matter for a
// channel): two chains of all-pass sections whose outputs stay 90 degrees
// apart within a degree from 0.001 to 0.499 of the sample rate (Niemitalo's
// coefficients), far cheaper than a Hilbert filter long enough for 300 Hz
// at 48 kHz.
std::vector<std::complex<double>> Analytic(const std::vector<float>& samples) {
    struct AllPassChain {
        std::array<double, 4> squared;
        std::array<double, 4> in1{}, in2{}, out1{}, out2{};
        double Next(double sample) {
            for (std::size_t stage = 0; stage < squared.size(); ++stage) {
                const double out = squared[stage] * (sample + out2[stage]) - in2[stage];
                in2[stage] = in1[stage];
                in1[stage] = sample;
                out2[stage] = out1[stage];
                out1[stage] = out;
                sample = out;
            }
            return sample;
        }
    };
    const auto chain = [](std::array<double, 4> coefficients) {
        AllPassChain made{};
        for (std::size_t stage = 0; stage < coefficients.size(); ++stage) {
            made.squared[stage] = coefficients[stage] * coefficients[stage];
        }
        return made;
    };
    AllPassChain lagging = chain({0.6923878, 0.9360654322959, 0.9882295226860, 0.9987488452737});
    AllPassChain leading = chain({0.4021921162426, 0.8561710882420, 0.9722909545651, 0.9952884791278});
    std::vector<std::complex<double>> analytic(samples.size());
    double laggingBefore = 0.0;
    for (std::size_t index = 0; index < samples.size(); ++index) {
        // The lagging chain's output one sample late lies 90 degrees behind.
        analytic[index] = {leading.Next(samples[index]), laggingBefore};
        laggingBefore = lagging.Next(samples[index]);
    }
    return analytic;
}

// One path's complex gain for each sample, of mean power 1: white Gaussian
// numbers at a low rate through a Gaussian filter (whose response is the
// square root of the Doppler spectrum), interpolated in between.
std::vector<std::complex<double>> PathGains(std::size_t count, double sampleRate, double spreadHz,
                                            GaussianPairs& gaussian) {
    // The spectrum's standard deviation is spreadHz / 2; the filter's
    // response in time then has this one.
    const double filterSeconds = 1.0 / (std::numbers::sqrt2 * std::numbers::pi * spreadHz);
    const double slowRate = 50.0 * spreadHz;
    const auto reach = static_cast<std::ptrdiff_t>(std::ceil(4.0 * filterSeconds * slowRate));
    std::vector<double> filter;
    double energy = 0.0;
    for (std::ptrdiff_t tap = -reach; tap <= reach; ++tap) {
        const double seconds = static_cast<double>(tap) / slowRate;
        filter.push_back(std::exp(-seconds * seconds / (2.0 * filterSeconds * filterSeconds)));
        energy += filter.back() * filter.back();
    }
    for (double& tap : filter) tap /= std::sqrt(energy);
    // Each white number has mean power 2 (a pair of unit ones).
    const auto slowCount = static_cast<std::size_t>(static_cast<double>(count) / sampleRate * slowRate) + 2;
    std::vector<std::complex<double>> white(slowCount + filter.size());
    for (auto& number : white) number = gaussian.Next() / std::numbers::sqrt2;
    std::vector<std::complex<double>> slow(slowCount);
    for (std::size_t at = 0; at < slowCount; ++at) {
        for (std::size_t tap = 0; tap < filter.size(); ++tap) slow[at] += filter[tap] * white[at + tap];
    }
    std::vector<std::complex<double>> gains(count);
    for (std::size_t index = 0; index < count; ++index) {
        const double position = static_cast<double>(index) / sampleRate * slowRate;
        const auto before = static_cast<std::size_t>(position);
        const double after = position - static_cast<double>(before);
        gains[index] = slow[before] * (1.0 - after) + slow[before + 1] * after;
    }
    return gains;
}

// The line's bits as tones: continuous-phase FSK at the sender's rate, with
// the shape's silences, drift and selective fading.
std::vector<float> Modulate(const std::vector<LineBit>& line, const RttyMode& mode, const SignalShape& shape) {
    std::vector<float> samples(static_cast<std::size_t>(shape.silenceBeforeSeconds * shape.sampleRate), 0.0f);
    const double samplesPerBit = shape.sampleRate / (mode.baud * (1.0 + shape.rateOff));
    const double twoPiOverRate = 2.0 * std::numbers::pi / shape.sampleRate;
    const double start = static_cast<double>(samples.size());
    double phase = 0.0;
    double bitsSoFar = 0.0;
    for (const LineBit& bit : line) {
        bitsSoFar += bit.bits;
        const auto end = static_cast<std::size_t>(std::llround(start + bitsSoFar * samplesPerBit));
        const double toneHz = bit.mark ? mode.MarkToneHz() : mode.SpaceToneHz();
        while (samples.size() < end) {
            const double seconds = static_cast<double>(samples.size()) / shape.sampleRate;
            double amplitude = shape.amplitude;
            if (bit.mark != shape.spaceFades && shape.markFadeDb > 0.0) {
                const double fadeDb = shape.markFadeDb * 0.5 *
                                      (1.0 - std::cos(2.0 * std::numbers::pi * seconds / shape.fadePeriodSeconds));
                amplitude *= std::pow(10.0, -fadeDb / 20.0);
            }
            samples.push_back(static_cast<float>(amplitude * std::sin(phase)));
            // The phase runs on across tone changes, so the spectrum stays narrow.
            const double step = twoPiOverRate * (toneHz + shape.driftHzPerSecond * seconds);
            phase = std::fmod(phase + step, 2.0 * std::numbers::pi);
        }
    }
    samples.resize(samples.size() + static_cast<std::size_t>(shape.silenceAfterSeconds * shape.sampleRate), 0.0f);
    return samples;
}

}  // namespace

std::vector<float> GenerateRtty(std::string_view text, const RttyMode& mode, const SignalShape& shape) {
    return Modulate(LineBits(text, mode, shape), mode, shape);
}

std::vector<float> GenerateSitorB(std::string_view text, const RttyMode& mode, const SignalShape& shape) {
    // As many pairs of phasing signals as fill the lead, one at least.
    const int phasingPairs = std::max(1, static_cast<int>(shape.leadSeconds * mode.baud / (2 * kCcirBits)));
    std::vector<LineBit> line;
    for (const std::uint8_t code : FecSlots(text, phasingPairs)) {
        for (int bit = 0; bit < kCcirBits; ++bit) line.push_back({((code >> bit) & 1u) != 0, 1.0});
    }
    return Modulate(line, mode, shape);
}

void AddNoise(std::vector<float>& samples, double snrDb, const SignalShape& shape, std::uint64_t seed) {
    // White noise of variance v spreads over sampleRate / 2, so 3 kHz of it
    // carry v * 6000 / sampleRate.
    const double signalPower = shape.amplitude * shape.amplitude / 2.0;
    const double noisePowerIn3kHz = signalPower / std::pow(10.0, snrDb / 10.0);
    const double deviation = std::sqrt(noisePowerIn3kHz * shape.sampleRate / 6000.0);
    GaussianPairs gaussian(seed);
    for (std::size_t index = 0; index < samples.size(); index += 2) {
        const std::complex<double> pair = deviation * gaussian.Next();
        samples[index] += static_cast<float>(pair.real());
        if (index + 1 < samples.size()) samples[index + 1] += static_cast<float>(pair.imag());
    }
}

void ApplyFading(std::vector<float>& samples, const FadingPaths& paths, double sampleRate, std::uint64_t seed) {
    const std::vector<std::complex<double>> analytic = Analytic(samples);
    // Another stream than the noise's of the same seed.
    GaussianPairs gaussian(~seed);
    const std::vector<std::complex<double>> first = PathGains(samples.size(), sampleRate, paths.spreadHz, gaussian);
    const std::vector<std::complex<double>> second = PathGains(samples.size(), sampleRate, paths.spreadHz, gaussian);
    const auto delay = static_cast<std::size_t>(std::lround(paths.delaySeconds * sampleRate));
    for (std::size_t index = 0; index < samples.size(); ++index) {
        std::complex<double> sum = first[index] * analytic[index];
        if (index >= delay) sum += second[index] * analytic[index - delay];
        // Half the power on each path.
        samples[index] = static_cast<float>(sum.real() / std::numbers::sqrt2);
    }
}

}  // namespace zorbel::decoder
