#include "decoder/FskDemodulator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorbel::decoder {

FskDemodulator::FskDemodulator(const RttyMode& mode, double sampleRate)
    : markTerms_(static_cast<std::size_t>(std::max(1L, std::lround(sampleRate / mode.baud)))),
      spaceTerms_(markTerms_.size()) {
    Retune(mode, sampleRate);
}

void FskDemodulator::Retune(const RttyMode& mode, double sampleRate) {
    Tune(mark_, mode.MarkToneHz(), sampleRate);
    Tune(space_, mode.SpaceToneHz(), sampleRate);
}

void FskDemodulator::Tune(Tone& tone, double frequencyHz, double sampleRate) {
    const double step = -2.0 * std::numbers::pi * frequencyHz / sampleRate;
    tone.stepRe = std::cos(step);
    tone.stepIm = std::sin(step);
}

// Complex arithmetic is written out: std::complex's multiplication checks for
// infinities and costs several times as much, and speed matters here.
double FskDemodulator::Magnitude(Tone& tone, std::vector<Term>& terms, std::size_t slot, float sample) {
    const Term term{sample * tone.oscillatorRe, sample * tone.oscillatorIm};
    tone.sumRe += term.re - terms[slot].re;
    tone.sumIm += term.im - terms[slot].im;
    terms[slot] = term;
    const double re = tone.oscillatorRe * tone.stepRe - tone.oscillatorIm * tone.stepIm;
    tone.oscillatorIm = tone.oscillatorRe * tone.stepIm + tone.oscillatorIm * tone.stepRe;
    tone.oscillatorRe = re;
    return std::sqrt(tone.sumRe * tone.sumRe + tone.sumIm * tone.sumIm);
}

ToneMagnitudes FskDemodulator::Next(float sample) {
    const double mark = Magnitude(mark_, markTerms_, slot_, sample);
    const double space = Magnitude(space_, spaceTerms_, slot_, sample);
    if (++slot_ == markTerms_.size()) slot_ = 0;

    // The rotating oscillators drift from unit length by rounding; pull them
    // back now and then, long before it would show.
    if (++samplesSinceRenormalised_ == 4096) {
        samplesSinceRenormalised_ = 0;
        for (Tone* tone : {&mark_, &space_}) {
            const double length = std::hypot(tone->oscillatorRe, tone->oscillatorIm);
            tone->oscillatorRe /= length;
            tone->oscillatorIm /= length;
        }
    }
    return {static_cast<float>(mark), static_cast<float>(space)};
}

}  // namespace zorbel::decoder
