// Benchmark of the decoder (not a test): the character error rate on random
// text at several signal-to-noise ratios in 3 kHz, and the decoding speed as
// a multiple of real time on one core.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"

namespace {

using namespace zorbel::decoder;

// Random text of letters, figures, spaces and line ends, so that both shifts
// occur; the same seed gives the same text.
std::string RandomText(std::size_t length, unsigned seed) {
    static const std::string kSigns = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-?:().,/     ";
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < length) {
        text += (text.size() % 69 == 68) ? '\r' : kSigns[random() % kSigns.size()];
        if (text.back() == '\r') text += '\n';
    }
    return text;
}

// Edits (insertions, deletions, substitutions) from one text to the other.
std::size_t EditDistance(const std::string& from, const std::string& to) {
    std::vector<std::size_t> row(to.size() + 1);
    for (std::size_t column = 0; column <= to.size(); ++column) row[column] = column;
    for (std::size_t line = 1; line <= from.size(); ++line) {
        std::size_t diagonal = row[0];
        row[0] = line;
        for (std::size_t column = 1; column <= to.size(); ++column) {
            const std::size_t above = row[column];
            row[column] = std::min({above + 1, row[column - 1] + 1, diagonal + (from[line - 1] != to[column - 1])});
            diagonal = above;
        }
    }
    return row[to.size()];
}

}  // namespace

int main() {
    const std::string text = RandomText(10000, 1);
    const RttyMode modes[] = {{45.45, 170.0, 2125.0, false, 1.5}, {50.0, 450.0, 2125.0, true, 1.5}};
    const double snrs[] = {10.0, 0.0, -4.0, -6.0, -8.0, -10.0};
    const SignalShape shape;

    std::printf("character error rate, %zu characters, sample rate %.0f Hz\n", text.size(), shape.sampleRate);
    std::printf("%-20s", "SNR in 3 kHz (dB)");
    for (const double snr : snrs) std::printf("%8.0f", snr);
    std::printf("\n");
    for (const RttyMode& mode : modes) {
        std::printf("%5.2f Bd / %3.0f Hz   ", mode.baud, mode.shiftHz);
        for (const double snr : snrs) {
            std::vector<float> samples = GenerateRtty(text, mode, shape);
            AddNoise(samples, snr, shape, 42);
            const std::string decoded = RttyDecoder(mode, shape.sampleRate).Decode(samples);
            std::printf("%8.3f", static_cast<double>(EditDistance(text, decoded)) / static_cast<double>(text.size()));
        }
        std::printf("\n");
    }

    for (const double sampleRate : {8000.0, 48000.0}) {
        SignalShape speedShape;
        speedShape.sampleRate = sampleRate;
        std::vector<float> samples = GenerateRtty(text, modes[0], speedShape);
        AddNoise(samples, 0.0, speedShape, 7);
        const auto start = std::chrono::steady_clock::now();
        const std::string decoded = RttyDecoder(modes[0], sampleRate).Decode(samples);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("speed at %.0f Hz: %.0f times real time (%zu characters)\n", sampleRate,
                    static_cast<double>(samples.size()) / sampleRate / took.count(), decoded.size());
    }
    return 0;
}
