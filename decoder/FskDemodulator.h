#pragma once
// Turns audio samples into tone magnitudes: for each sample, how strongly
// the mark and the space tone sounded over the last bit. Each tone is mixed
// to zero frequency and summed over exactly one bit, which is the matched
// filter for a bit of that tone whatever its phase; comparing the two is the
// non-coherent detector that does best in white noise.

#include <vector>

#include "decoder/RttyMode.h"
#include "decoder/ToneLevels.h"

namespace zorbel::decoder {

class FskDemodulator {
public:
    FskDemodulator(const RttyMode& mode, double sampleRate);

    ToneMagnitudes Next(float sample);

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
    static double Magnitude(Tone& tone, std::vector<Term>& terms, std::size_t slot, float sample);

    Tone mark_;
    Tone space_;
    std::vector<Term> markTerms_;
    std::vector<Term> spaceTerms_;
    std::size_t slot_ = 0;
    unsigned samplesSinceRenormalised_ = 0;
};

}  // namespace zorbel::decoder
