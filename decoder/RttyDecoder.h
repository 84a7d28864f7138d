#pragma once
// Decodes RTTY from audio samples: the demodulator's tone magnitudes become
// soft bits through the tone levels learnt from the characters read (so a
// fading tone still counts), which are framed into characters (start bit,
// five data bits, stop bit) and read as ITA2.
// The first character of a transmission is found by its start edge; the
// following ones are expected at the sender's character rate, which keeps
// noise from throwing the framing off.
//
// Before the demodulator, the notches take out carriers the user named, and a
// watch on the spectrum moves the tones after a drifting signal. Characters
// are held back while no signal stands out above the noise (the squelch) and
// let through once one does, so noise prints nothing and the first
// characters of a transmission are not lost.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "decoder/FskDemodulator.h"
#include "decoder/Ita2.h"
#include "decoder/NotchFilter.h"
#include "decoder/RttyMode.h"
#include "decoder/SignalWatch.h"
#include "decoder/ToneLevels.h"

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

    // The two notch frequencies MMTTY's contract carries; 0 leaves a notch off.
    // Either takes away its frequency from the following samples on.
    void SetNotches(double firstHz, double secondHz);
    double FirstNotchHz() const { return notchHz_[0]; }
    double SecondNotchHz() const { return notchHz_[1]; }
    // The mark tone the decoder listens to now (it follows a drifting signal).
    double MarkHz() const { return mode_.markHz; }
    const RttyMode& Mode() const { return mode_; }

private:
    // One character's start and stop bit decisions and its code.
    struct Frame {
        bool startIsSpace;
        bool stopIsMark;
        std::uint8_t code;
    };

    ToneMagnitudes Tones(std::int64_t index) const { return tones_[static_cast<std::size_t>(index) & mask_]; }
    float SoftBit(std::int64_t index) const { return levels_.Soft(Tones(index)); }
    // Whether the soft bit falls from mark to space just before index, and
    // where between the two samples it crosses zero.
    bool FallsAt(std::int64_t index) const;
    double CrossingBefore(std::int64_t index) const;
    std::optional<double> NearestCrossing(double expected, double earlier, double later) const;
    // How much earlier than expected a locked start edge may come: by our
    // stop bits less one, for a sender with one stop bit.
    double EarlierReach() const;
    // How clearly the character whose start edge crosses there reads: the
    // sum of its soft bits' magnitudes.
    double Margin(double crossing) const;
    // Where a locked character starts, given the start edge found nearest to
    // the expected place; learns the sender's character length.
    double LockedCrossing(double expected, double found);
    // The soft bit that decides bit k of a character whose start edge
    // crosses zero at crossing.
    std::int64_t BitEnd(double crossing, int bit) const;
    Frame ReadFrame(double crossing) const;
    // Teaches the tone levels the bits of a character read.
    void LearnFrame(double crossing);
    // Reads every character that is complete in the soft bits so far.
    void ReadCharacters(std::string& text);
    void Print(char character, std::string& text);

    RttyMode mode_;
    double sampleRate_;
    double notchHz_[2] = {0.0, 0.0};
    std::vector<NotchFilter> notches_;
    SignalWatch watch_;
    FskDemodulator demodulator_;
    Ita2Reader reader_;
    double bitLength_;
    double characterLength_;
    double halfWindow_;
    ToneLevels levels_;
    // The tone magnitudes of the last few characters, so that a start edge
    // that turns out false lets the search resume right after it.
    std::vector<ToneMagnitudes> tones_;
    std::size_t mask_;
    std::int64_t received_ = 0;
    // Searching: the next soft bit at which a start edge may end.
    std::int64_t searchFrom_ = 1;
    // Locked: where the next start edge should cross zero.
    std::optional<double> expectedCrossing_;
    int stopBitsLost_ = 0;
    // How many start edges running were off by the same number of half bits.
    double lastFarHalves_ = 0.0;
    int farOffSeen_ = 0;
    // Characters read while the squelch is shut, from the current run of
    // characters only.
    std::string held_;
};

}  // namespace zorbel::decoder
