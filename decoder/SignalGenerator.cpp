#include "decoder/SignalGenerator.h"

#include <cmath>
#include <numbers>
#include <random>

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

}  // namespace

std::vector<float> GenerateRtty(std::string_view text, const RttyMode& mode, const SignalShape& shape) {
    std::vector<float> samples;
    const double samplesPerBit = shape.sampleRate / mode.baud;
    const double twoPiOverRate = 2.0 * std::numbers::pi / shape.sampleRate;
    double phase = 0.0;
    double bitsSoFar = 0.0;
    for (const LineBit& bit : LineBits(text, mode, shape)) {
        bitsSoFar += bit.bits;
        const auto end = static_cast<std::size_t>(std::llround(bitsSoFar * samplesPerBit));
        const double toneHz = bit.mark ? mode.MarkToneHz() : mode.SpaceToneHz();
        while (samples.size() < end) {
            const double seconds = static_cast<double>(samples.size()) / shape.sampleRate;
            double amplitude = shape.amplitude;
            if (bit.mark && shape.markFadeDb > 0.0) {
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
    return samples;
}

void AddNoise(std::vector<float>& samples, double snrDb, const SignalShape& shape, std::uint64_t seed) {
    // White noise of variance v spreads over sampleRate / 2, so 3 kHz of it
    // carry v * 6000 / sampleRate.
    const double signalPower = shape.amplitude * shape.amplitude / 2.0;
    const double noisePowerIn3kHz = signalPower / std::pow(10.0, snrDb / 10.0);
    const double deviation = std::sqrt(noisePowerIn3kHz * shape.sampleRate / 6000.0);

    // Box-Muller over the 64-bit Mersenne Twister, whose output the standard
    // fixes exactly (std::normal_distribution's it does not).
    std::mt19937_64 random(seed);
    const auto uniform = [&] { return (static_cast<double>(random() >> 11) + 0.5) * 0x1.0p-53; };
    for (std::size_t index = 0; index < samples.size(); index += 2) {
        const double radius = deviation * std::sqrt(-2.0 * std::log(uniform()));
        const double angle = 2.0 * std::numbers::pi * uniform();
        samples[index] += static_cast<float>(radius * std::cos(angle));
        if (index + 1 < samples.size()) samples[index + 1] += static_cast<float>(radius * std::sin(angle));
    }
}

}  // namespace zorbel::decoder
