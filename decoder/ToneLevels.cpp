#include "decoder/ToneLevels.h"

#include <algorithm>

namespace zorbel::decoder {
namespace {

// The steady levels follow over about this many bits of their kind, so that
// noise in single bits averages out; the quick ones over a few bits, as fast
// as two-path fading changes them (the start and stop bits of each
// character teach them before its data bits are read).
constexpr double kSteadyBits = 16.0;
constexpr double kQuickBits = 2.0;
// Two tones count as equally strong while the weaker one's steady levels lie
// at least this share as far apart as the stronger one's, or its quick ones
// the second share: only a tone faded far below the other, now and for a
// while, is judged against its levels, whose own noise and lag would
// otherwise mislead more than they help.
constexpr double kAlike = 0.8;
constexpr double kQuickAlike = 0.3;

bool Alike(double first, double second, double share) { return std::min(first, second) > share * std::max(first, second); }

}  // namespace

void ToneLevels::Level::Follow(double magnitude) {
    // A plain mean of the first bits, so that the start needs no guess.
    ++learnt;
    steady += (magnitude - steady) / std::min<double>(learnt, kSteadyBits);
    quick += (magnitude - quick) / std::min<double>(learnt, kQuickBits);
}

bool ToneLevels::Known() const {
    return markOn_.learnt > 0 && markOff_.learnt > 0 && spaceOn_.learnt > 0 && spaceOff_.learnt > 0;
}

float ToneLevels::Soft(ToneMagnitudes tones) const {
    if (!Known()) return tones.mark - tones.space;
    // Tones of about equal strength are compared as they are, the best
    // detector in white noise and in fading that takes both tones alike.
    const double markSteady = std::max(0.0, markOn_.steady - markOff_.steady);
    const double spaceSteady = std::max(0.0, spaceOn_.steady - spaceOff_.steady);
    const double markQuick = std::max(0.0, markOn_.quick - markOff_.quick);
    const double spaceQuick = std::max(0.0, spaceOn_.quick - spaceOff_.quick);
    // Levels learnt from misread bits may leave neither tone anything to say.
    if (Alike(markSteady, spaceSteady, kAlike) || Alike(markQuick, spaceQuick, kQuickAlike) ||
        markQuick + spaceQuick <= 0.0) {
        const double scale = markSteady + spaceSteady > 0.0 ? 0.5 * (markSteady + spaceSteady) : 1.0;
        return static_cast<float>(scale * (tones.mark - tones.space));
    }
    return static_cast<float>(markQuick * (tones.mark - 0.5 * (markOn_.quick + markOff_.quick)) -
                              spaceQuick * (tones.space - 0.5 * (spaceOn_.quick + spaceOff_.quick)));
}

void ToneLevels::Learn(ToneMagnitudes tones, bool mark) {
    (mark ? markOn_ : markOff_).Follow(tones.mark);
    (mark ? spaceOff_ : spaceOn_).Follow(tones.space);
}

}  // namespace zorbel::decoder
