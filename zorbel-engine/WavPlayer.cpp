#include "zorbel-engine/WavPlayer.h"

#include <algorithm>

namespace zorbel::engine_side {
namespace {

constexpr double kFastBlockSeconds = 2.0;

}  // namespace

std::span<const float> WavPlayer::Due(std::uint64_t nowMs) {
    const std::size_t size = audio_.samples.size();
    if (position_ >= size && repeat_) {
        position_ = 0;
        started_ = false;
    }
    if (!started_) {
        startMs_ = nowMs;
        started_ = true;
    }
    const auto due = fast_ ? position_ + static_cast<std::size_t>(kFastBlockSeconds * audio_.sampleRate)
                           : static_cast<std::size_t>(static_cast<double>(nowMs - startMs_) * audio_.sampleRate / 1000.0);
    const std::size_t end = std::min(size, std::max(due, position_));
    const std::span<const float> samples(audio_.samples.data() + position_, end - position_);
    position_ = end;
    return samples;
}

}  // namespace zorbel::engine_side
