#pragma once
// Decodes RTTY from audio samples: the notches take out carriers the user
// named, a watch on the spectrum moves the tones after a drifting signal,
// the demodulator measures both tones, and a framer per polarity reads
// characters from them (see CharacterFramer), whose codes are decided
// together, the shifts among them weighed (see CodeDecision), and become text
// as ITA2.
// Noise reads as nothing, so no squelch is needed.
// Told the polarity, the decoder reads in that one. Otherwise it frames both
// ways at the start of a transmission, keeps the one whose start and stop
// bits fall where they belong, and gives its characters from the first on;
// after a long silence, or at the end of the input, it gives what it read
// undecided and decides afresh, as it also starts afresh in letters.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "decoder/CharacterFramer.h"
#include "decoder/CodeDecision.h"
#include "decoder/FskDemodulator.h"
#include "decoder/Ita2.h"
#include "decoder/NotchFilter.h"
#include "decoder/RttyMode.h"
#include "decoder/SignalWatch.h"
#include "decoder/ToneHistory.h"

namespace zorbel::decoder {

struct DecoderOptions {
    // A space returns to letters, as many stations expect.
    bool unshiftOnSpace = false;
    // The polarity is found from the signal; the mode's is only where the
    // decoder starts.
    bool findPolarity = false;
};

class RttyDecoder {
public:
    RttyDecoder(const RttyMode& mode, double sampleRate, DecoderOptions options = {});

    // The characters completed by these samples, in 8-bit form as MMTTY posts
    // them. Samples may come in blocks of any size.
    std::string Decode(std::span<const float> samples);
    // The input ended (the end of a recording): the last characters are
    // read without waiting for what would follow them, and what was read
    // while the polarity was still being decided, a transmission too short
    // to decide it, is given in the polarity that framed it better. Samples
    // that come after it are a new transmission.
    std::string Finish();

    // The two notch frequencies MMTTY's contract carries; 0 leaves a notch off.
    // Either takes away its frequency from the following samples on.
    void SetNotches(double firstHz, double secondHz);
    double FirstNotchHz() const { return notches_.FirstHz(); }
    double SecondNotchHz() const { return notches_.SecondHz(); }
    // The mark tone the decoder listens to now (it follows a drifting signal).
    double MarkHz() const { return mode_.markHz; }
    // The mode read now: its mark follows the signal, its polarity is the
    // one found once found.
    RttyMode Mode() const;
    // Whether the polarity is known: told, or found; false while deciding.
    bool PolarityKnown() const { return listeners_.size() == 1; }
    // Whether characters were read since it listened afresh: false at the
    // start, and again after a long silence or the end of the input.
    bool Heard() const { return heardSinceListening_; }

private:
    // A framer in one polarity with its own letters and figures state, and
    // the text it read while the polarity is being decided.
    struct Listener {
        CharacterFramer framer;
        CodeDecision decision;
        Ita2Reader reader;
        bool swapped;
        std::string held;
    };

    // Starts listening afresh from the next sample on, in the polarity read
    // last first, the codes decided as learnt so far.
    void Listen();
    // ending: the input ended, the last characters are read as they are.
    void ReadCharacters(std::string& text, bool ending = false);
    // The polarity read: the one found, or while undecided the one that
    // framed more characters, the one read last on a tie.
    const Listener& Kept() const;
    // While undecided: the text of the polarity kept.
    std::string Held() const;

    RttyMode mode_;
    double sampleRate_;
    DecoderOptions options_;
    NotchPair notches_;
    SignalWatch watch_;
    FskDemodulator demodulator_;
    ToneHistory history_;
    std::vector<Listener> listeners_;
    // Whether the polarity read is the other one than mode_'s.
    bool swapped_ = false;
    bool heardSinceListening_ = false;
    std::vector<SoftCode> read_;
    std::vector<std::uint8_t> codes_;
};

}  // namespace zorbel::decoder
