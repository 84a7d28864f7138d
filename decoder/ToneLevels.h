#pragma once
// Decides bits from the two tone magnitudes as the best receiver for two
// tones that fade each on its own does: each tone counts by how much likelier
// its magnitude is with the tone sent than without (a sine of the tone's
// current level in the noise, against what lies under the tone when not
// sent: the noise, or the other tone's leakage where stronger), so a faded
// tone that hardly rises above the noise has little say and the other tone
// decides.
// Tones of equal level are simply compared, the best detector in white noise.
// A tone's level is learnt from the bits around the one decided: the level
// of the last few bits that sent it where that differs from the steady level
// by more than noise would (a fade), the steady one otherwise.

#include <array>
#include <cstddef>
#include <span>

namespace zorbel::decoder {

struct ToneMagnitudes {
    float mark = 0.0f;
    float space = 0.0f;
};

class ToneLevels {
public:
    // A bit's magnitudes and the tone it was decided, or is taken, to be.
    struct Bit {
        ToneMagnitudes tones;
        bool mark = false;
    };
    // How many bits before and after a bit its levels are learnt from.
    static constexpr std::size_t kAround = 4;

    // The mean magnitude of a tone not sent: the noise.
    void SetNoise(double meanMagnitude) { noise_ = meanMagnitude; }

    // Positive for mark, negative for space, for framing: the tones
    // compared, or by the levels of the bits learnt last where one tone has
    // faded steadily.
    float Soft(ToneMagnitudes tones) const;
    // The same by the levels of the bits around it, before and after (it not
    // among them); the bits learnt last count only through the steady levels.
    // Always the logarithm of how much likelier mark is than space (tones of
    // one level count by their common level), so that a character's bits
    // tell how likely each code is.
    float SoftAmong(ToneMagnitudes tones, std::span<const Bit> around) const;
    // The same for a bit of a character read in a fade, whose tones reach
    // about level: by the levels learnt last where one tone has faded
    // steadily (as Soft), otherwise the tones weighed at that level; levels
    // learnt before the fade would take both its tones for not sent.
    float SoftFaded(ToneMagnitudes tones, double level) const;

    // Whether one tone has faded steadily: far below the other, or below it
    // and near the noise.
    bool ToneFaded() const;

    // Learns a bit decided, in the order sent.
    void Learn(ToneMagnitudes tones, bool mark);
    // The bits learnt last, the oldest first.
    std::span<const Bit> Recent() const { return {recent_.data(), recentCount_}; }
    // A new run of characters: the bits learnt last are from another time.
    void ForgetRecent();

private:
    // One tone's magnitudes at the bits around that sent it: their sum and
    // count.
    struct Seen {
        double sentSum = 0.0;
        unsigned sent = 0;
    };
    // One tone's steady magnitudes where sent and where not, over about the
    // last kSteadyBits of each, and how many bits taught them so far.
    struct Steady {
        double sent = 0.0, notSent = 0.0;
        unsigned sentLearnt = 0, notSentLearnt = 0;
        void Learn(double magnitude, bool isSent);
    };
    // A tone's level where sent, how many bits it was learnt from, and the
    // deviation of what lies under it where not sent.
    struct Level {
        double sent, bits, deviation;
    };

    static Seen SeenAmong(std::span<const Bit> bits, bool mark);
    Level LevelOf(const Steady& steady, const Seen& seen) const;
    // alikeWeighed: tones of one level are weighed by their likelihoods too
    // rather than compared as they are (the same sign, another measure).
    float FromSeen(ToneMagnitudes tones, const Seen& markSeen, const Seen& spaceSeen, bool alikeWeighed) const;
    // Both tones weighed at one level, in the noise.
    float AtLevel(ToneMagnitudes tones, double level) const;
    // How much likelier the magnitudes are with mark sent than with space,
    // as a natural logarithm.
    float Weighed(ToneMagnitudes tones, const Level& mark, const Level& space) const;

    double noise_ = 0.0;
    Steady mark_, space_;
    std::array<Bit, 2 * kAround> recent_{};
    std::size_t recentCount_ = 0;
    Seen recentMark_, recentSpace_;
};

}  // namespace zorbel::decoder
