#include "decoder/ToneLevels.h"

#include <algorithm>

namespace zorbel::decoder {
namespace {

// The levels follow over about this many bits of their kind: quicker than
// selective fading changes, slow enough that noise in single bits averages
// out.
constexpr unsigned kFollowingBits = 16;
// Two tones count as equally strong while the weaker one's levels lie at
// least this share as far apart as the stronger one's.
constexpr double kAlike = 0.8;

}  // namespace

void ToneLevels::Level::Follow(double magnitude) {
    // A plain mean of the first bits, so that the start needs no guess.
    if (learnt < kFollowingBits) ++learnt;
    value += (magnitude - value) / learnt;
}

bool ToneLevels::Known() const {
    return markOn_.learnt > 0 && markOff_.learnt > 0 && spaceOn_.learnt > 0 && spaceOff_.learnt > 0;
}

float ToneLevels::Soft(ToneMagnitudes tones) const {
    if (!Known()) return tones.mark - tones.space;
    const double markWeight = std::max(0.0, markOn_.value - markOff_.value);
    const double spaceWeight = std::max(0.0, spaceOn_.value - spaceOff_.value);
    // Tones of about equal strength are compared as they are, the best
    // detector in white noise; the levels' own noise would only blur it.
    if (std::min(markWeight, spaceWeight) > kAlike * std::max(markWeight, spaceWeight)) {
        return static_cast<float>(0.5 * (markWeight + spaceWeight) * (tones.mark - tones.space));
    }
    return static_cast<float>(markWeight * (tones.mark - 0.5 * (markOn_.value + markOff_.value)) -
                              spaceWeight * (tones.space - 0.5 * (spaceOn_.value + spaceOff_.value)));
}

void ToneLevels::Learn(ToneMagnitudes tones, bool mark) {
    (mark ? markOn_ : markOff_).Follow(tones.mark);
    (mark ? spaceOff_ : spaceOn_).Follow(tones.space);
}

}  // namespace zorbel::decoder
