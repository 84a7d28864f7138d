#pragma once
// The tone magnitudes of the last few characters, by sample index, so that
// framing can look back: a start edge that turns out false lets the search
// resume right after it, and a character is read once all its bits are in.

#include <bit>
#include <cstdint>
#include <vector>

#include "decoder/ToneLevels.h"

namespace zorbel::decoder {

class ToneHistory {
public:
    explicit ToneHistory(std::size_t atLeast) : tones_(std::bit_ceil(atLeast)), mask_(tones_.size() - 1) {}

    void Add(ToneMagnitudes tones) { tones_[static_cast<std::size_t>(received_++) & mask_] = tones; }
    ToneMagnitudes At(std::int64_t index) const { return tones_[static_cast<std::size_t>(index) & mask_]; }
    // How many samples came so far: the next one's index.
    std::int64_t Received() const { return received_; }
    // The oldest index still kept.
    std::int64_t Oldest() const { return received_ - static_cast<std::int64_t>(mask_); }

private:
    std::vector<ToneMagnitudes> tones_;
    std::size_t mask_;
    std::int64_t received_ = 0;
};

}  // namespace zorbel::decoder
