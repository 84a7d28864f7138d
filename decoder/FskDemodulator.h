#pragma once
// Turns audio samples into a soft bit stream: for each sample, the energy of
// the mark tone minus that of the space tone over the last bit. Each tone is
// mixed to zero frequency and summed over exactly one bit, which is the
// matched filter for a bit of that tone whatever its phase, so this is the
// non-coherent detector that does best in white noise.

#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::decoder {

class FskDemodulator {
public:
    FskDemodulator(const RttyMode& mode, double sampleRate);

    // Positive for mark, negative for space; zero where both tones are equal,
    // which is half a bit after a tone change.
    float Next(float sample);

    int WindowLength() const { return static_cast<int>(markTerms_.size()); }

private:
    // A tone mixed to zero frequency and summed over the window.
    struct Tone {
        double oscillatorRe = 1.0, oscillatorIm = 0.0;
        double stepRe, stepIm;
        double sumRe = 0.0, sumIm = 0.0;
    };
    struct Term {
        double re = 0.0, im = 0.0;
    };

    static Tone MakeTone(double frequencyHz, double sampleRate);
    static double Energy(Tone& tone, std::vector<Term>& terms, std::size_t slot, float sample);

    Tone mark_;
    Tone space_;
    std::vector<Term> markTerms_;
    std::vector<Term> spaceTerms_;
    std::size_t slot_ = 0;
    unsigned samplesSinceRenormalised_ = 0;
};

}  // namespace zorbel::decoder
