#include "decoder/EnvelopeNoise.h"

#include <algorithm>
#include <cmath>

namespace zorbel::decoder {
namespace {

// Short enough that a fade hardly changes the signal within a block, long
// enough for the moments to settle.
constexpr double kBlockSeconds = 0.05;
constexpr double kMedianSeconds = 5.0;

}  // namespace

EnvelopeNoise::EnvelopeNoise(double sampleRate)
    : blockSamples_(std::max(1, static_cast<int>(kBlockSeconds * sampleRate))),
      blocks_(static_cast<std::size_t>(kMedianSeconds / kBlockSeconds)) {}

void EnvelopeNoise::Add(double power) {
    sum_ += power;
    sumOfSquares_ += power * power;
    if (++count_ < blockSamples_) return;
    const double mean = sum_ / count_, meanSquare = sumOfSquares_ / count_;
    blocks_[next_] = mean - std::sqrt(std::max(0.0, 2.0 * mean * mean - meanSquare));
    next_ = (next_ + 1) % blocks_.size();
    measured_ = std::min(measured_ + 1, blocks_.size());
    std::vector<double> sorted(blocks_.begin(), blocks_.begin() + static_cast<std::ptrdiff_t>(measured_));
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    power_ = *middle;
    sum_ = sumOfSquares_ = 0.0;
    count_ = 0;
}

}  // namespace zorbel::decoder
