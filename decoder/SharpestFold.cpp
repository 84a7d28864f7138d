#include "decoder/SharpestFold.h"

#include <bit>
#include <cstddef>
#include <vector>

#include "decoder/Fft.h"

namespace zorbel::decoder {
namespace {

// The signal is summed over stretches of this many samples first: a
// quarter of the work and memory, and still fine enough to place a line's
// length for the fit that follows.
constexpr std::size_t kStretch = 4;
// Lengths are tried so closely that the last line moves by this share of a
// stretch from one to the next.
constexpr double kStepOfStretch = 0.25;

}  // namespace

double SharpestFoldLength(std::span<const float> signal, double lineSamples, double range) {
    const std::size_t count = signal.size() / kStretch;
    const int lines = static_cast<int>(static_cast<double>(signal.size()) / (lineSamples + range)) - 1;
    if (lines < 2) return lineSamples;
    // Padded to twice the signal, so that the circular correlation does not wrap.
    const std::size_t size = std::bit_ceil(2 * count);
    std::vector<float> re(size, 0.0f), im(size, 0.0f);
    for (std::size_t index = 0; index < count * kStretch; ++index) re[index / kStretch] += signal[index];
    const Fft fft(size);
    fft.Transform(re, im);
    for (std::size_t bin = 0; bin < size; ++bin) {
        re[bin] = re[bin] * re[bin] + im[bin] * im[bin];
        im[bin] = 0.0f;
    }
    // The power spectrum is real and even: transformed again it gives the
    // autocorrelation (times the size, which no comparison minds).
    fft.Transform(re, im);
    const auto stretch = static_cast<double>(kStretch);
    const double step = kStepOfStretch * stretch / lines;
    double best = lineSamples, bestScore = 0.0;
    for (double length = lineSamples - range; length <= lineSamples + range; length += step) {
        double score = 0.0;
        for (int apart = 1; apart <= lines; ++apart) {
            const double lag = apart * length / stretch;
            const auto below = static_cast<std::size_t>(lag);
            if (below + 1 >= count) break;
            const double above = lag - static_cast<double>(below);
            score += re[below] * (1.0 - above) + re[below + 1] * above;
        }
        if (score > bestScore) {
            bestScore = score;
            best = length;
        }
    }
    return best;
}

}  // namespace zorbel::decoder
