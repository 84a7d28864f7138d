#pragma once
// Turns audio samples into a soft bit stream: for each sample, the energy of
// the mark tone minus that of the space tone over the last bit. Each tone is
// mixed to zero frequency and summed over exactly one bit, which is the
// matched filter for a bit of that tone whatever its phase, so this is the
// non-coherent detector that does best in white noise.
//
// Selective fading weakens one tone for a while; deciding between the two
// energies at zero would then read noise against noise whenever the weak tone
// is sent. So each tone's energy while it is sent is tracked, and the
// decision threshold sits halfway between the two levels.

#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::decoder {

class FskDemodulator {
public:
    FskDemodulator(const RttyMode& mode, double sampleRate);

    // Positive for mark, negative for space; zero halfway between the two
    // tones' levels, which is about half a bit after a tone change.
    float Next(float sample);

    // Moves both tones (the frequency follower's correction); the bits in
    // the window go on.
    void Retune(const RttyMode& mode, double sampleRate);

    int WindowLength() const { return static_cast<int>(markTerms_.size()); }

private:
    // A tone mixed to zero frequency and summed over the window.
    struct Tone {
        double oscillatorRe = 1.0, oscillatorIm = 0.0;
        double stepRe = 1.0, stepIm = 0.0;
        double sumRe = 0.0, sumIm = 0.0;
    };
    struct Term {
        double re = 0.0, im = 0.0;
    };

    static void Tune(Tone& tone, double frequencyHz, double sampleRate);
    void Follow(double& level, double magnitude) const;
    static double Magnitude(Tone& tone, std::vector<Term>& terms, std::size_t slot, float sample);

    Tone mark_;
    Tone space_;
    std::vector<Term> markTerms_;
    std::vector<Term> spaceTerms_;
    std::size_t slot_ = 0;
    // Each tone's magnitude while it is sent and while the other one is, and
    // how fast these levels follow.
    double markOn_ = 0.0, markOff_ = 0.0;
    double spaceOn_ = 0.0, spaceOff_ = 0.0;
    double levelFollowing_;
    unsigned samplesSinceRenormalised_ = 0;
};

}  // namespace zorbel::decoder
