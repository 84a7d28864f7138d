#pragma once
// Decides bits from the two tone magnitudes as the best receiver for two
// tones that fade each on its own does: each tone counts by how much likelier
// its magnitude is with the tone sent than without (a sine of the tone's
// current level in the noise against the noise alone), so a faded tone that
// hardly rises above the noise has little say and the other tone decides.
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
    float SoftAmong(ToneMagnitudes tones, std::span<const Bit> around) const;

    // Learns a bit decided, in the order sent.
    void Learn(ToneMagnitudes tones, bool mark);
    // The bits learnt last, the oldest first.
    std::span<const Bit> Recent() const { return {recent_.data(), recentCount_}; }
    // A new run of characters: the bits learnt last are from another time.
    void ForgetRecent();

private:
    // The sum and count of one tone's magnitudes at the bits that sent it.
    struct Sent {
        double sum = 0.0;
        unsigned count = 0;
    };

    static Sent SentAmong(std::span<const Bit> bits, bool mark);
    float FromSent(ToneMagnitudes tones, Sent mark, Sent space) const;

    double noise_ = 0.0;
    // Each tone's level when sent, over about the last kSteadyBits that sent
    // it, and how many bits taught it so far.
    double steadyMark_ = 0.0, steadySpace_ = 0.0;
    unsigned markLearnt_ = 0, spaceLearnt_ = 0;
    std::array<Bit, 2 * kAround> recent_{};
    std::size_t recentCount_ = 0;
    Sent recentMark_, recentSpace_;
};

}  // namespace zorbel::decoder
