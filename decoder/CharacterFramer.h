#pragma once
// Frames characters (start bit, five data bits, stop bit) in one polarity
// from the tone magnitudes. The first character of a run is found by its
// start edge; the following ones are expected at the sender's character
// rate, which is estimated along the way, so that a sender off its set rate
// is followed rather than lagged behind. A transmission that starts on its
// start bit, at the start of the input or right after digital silence, has
// no fall from mark: its first character is looked for where the tones rise. Each character's bits are read
// through tone levels learnt from the bits around them, so a fading tone
// still counts; a character is read once the next one's first bits are in.
// A character counts only when its tones stand out above the noise: noise
// starts no run, teaches the levels nothing and reads as nothing. A run keeps
// its timing through a short fade, and the faded characters count once a
// character after them stands out again.

#include <cstdint>
#include <optional>
#include <vector>

#include "decoder/Ita2.h"
#include "decoder/RttyMode.h"
#include "decoder/SenderRate.h"
#include "decoder/ToneHistory.h"
#include "decoder/ToneLevels.h"

namespace zorbel::decoder {

// Silence after which a transmission has ended: the next may come in another
// mode or polarity, and starts in letters.
inline constexpr double kLongSilenceSeconds = 10.0;

class CharacterFramer {
public:
    // windowLength: the demodulator's, in samples. swapped: reads the tones
    // the other way round, in the other polarity. from: the first sample
    // index to frame.
    CharacterFramer(const RttyMode& mode, double sampleRate, int windowLength, bool swapped, std::int64_t from);

    // Reads every character complete in the history so far and appends its
    // code as read, each bit's likelihood.
    void Read(const ToneHistory& history, std::vector<SoftCode>& codes);
    // The input ended: reads the characters whose own bits are all in,
    // without waiting for the next one's first bits.
    void Finish(const ToneHistory& history, std::vector<SoftCode>& codes);

    // Characters read in a row with a start and a stop bit where they
    // belong: how well this polarity frames the signal.
    int FramedInARow() const { return framedInARow_; }
    // Characters read so far with their start and stop bits where they belong.
    int Framed() const { return framed_; }
    // Whether the tone levels learnt show one tone faded steadily.
    bool ToneFaded() const { return levels_.ToneFaded(); }
    // Where the last character read ends; negative before the first.
    std::int64_t LastReadAt() const { return lastReadAt_; }
    // Whether a run of characters goes on: more may follow at once.
    bool InRun() const { return expected_.has_value(); }

    // How many tone magnitudes back the framing may look.
    static std::size_t HistoryNeeded(const RttyMode& mode, double sampleRate);

private:
    // One character's start and stop bit decisions.
    struct Frame {
        bool startIsSpace;
        bool stopIsMark;
    };

    ToneMagnitudes Tones(std::int64_t index) const;
    float SoftBit(std::int64_t index) const { return levels_.Soft(Tones(index)); }
    // Whether the soft bit falls from mark to space just before index, and
    // where between the two samples it crosses zero.
    bool FallsAt(std::int64_t index) const;
    double CrossingBefore(std::int64_t index) const;
    std::optional<double> NearestCrossing(double expected, double earlier, double later) const;
    // How much earlier than expected a locked start edge may come: by the
    // stop bits expected (ours, or the sender's once learnt) less one, for a
    // sender with one stop bit.
    double EarlierReach() const;
    // The soft bit that decides bit k of a character whose start edge
    // crosses zero at crossing.
    std::int64_t BitEnd(double crossing, int bit) const;
    // The last soft bit needed to read the character whose start edge
    // crosses zero at crossing.
    std::int64_t LastNeeded(double crossing) const;
    Frame ReadFrame(double crossing) const;
    // How clearly the character reads: the sum of its soft bits' magnitudes.
    double Margin(double crossing) const;
    // The mean of the stronger tone's magnitude at the character's bits.
    double Level(double crossing) const;
    // How far the character's tones stand out above the noise: its level
    // against the noise's.
    double Contrast(double crossing) const { return Level(crossing) / noise_; }
    bool EveryBitStandsOut(double crossing) const;
    // Whether a character may start a run there: framed and standing out.
    bool StartsRun(double crossing) const;
    // The place from crossing on, a little later at most, where the
    // character reads most clearly.
    double ClearestStartFrom(double crossing) const;
    // Where a locked character starts, given the start edge found nearest to
    // the expected place; a distance of a whole number of half bits, read
    // more clearly there, is a sender whose stop bits differ from ours.
    double LockedCrossing(double expected, std::optional<double> found, int& halves) const;
    // How far the character's edges lie from where the timing put them: the
    // start edge found and each change between its bits, on average.
    std::optional<double> EdgesOff(double crossing, std::optional<double> found) const;
    // Moves the timing after a character read: its rate by an estimate of
    // the sender's, and the correction of its phase, some way towards the
    // character's edges.
    double FollowTiming(std::optional<double> found, double crossing, int halves);
    // The character's code, its data bits read by the tone levels of the
    // bits around each, this character's start and stop bits and the next
    // one's first among them; all its bits then teach the levels.
    SoftCode ReadAndLearn(double crossing);
    // A faded character's code, its tones weighed at the level they reach;
    // it teaches the levels nothing.
    SoftCode ReadFaded(double crossing) const;
    // Digital silence: a card opened before the receiver is on, a muted line.
    bool Silent(ToneMagnitudes tones) const;
    // Where the start edge of a start bit sent from sample first on, after
    // silence or from the start of the input, crosses zero.
    double CrossingAfterSilence(std::int64_t first) const;
    // Starts a run with the character whose start edge crosses zero near
    // crossing; returns where it reads most clearly.
    double StartRun(double crossing);
    void FollowNoise(ToneMagnitudes tones);
    void Unlock(double crossing);

    // What one step of reading came to: more input is needed, nothing to
    // read here (look on), or a character to read where its start edge
    // crosses zero, the timing corrected by so much after it.
    struct Step {
        enum class Kind { NeedsInput, LookOn, Character } kind;
        double crossing = 0.0;
        double correction = 0.0;
    };
    // Locked: the next character where the timing expects it; faded ones
    // wait in faded_ and are given (into codes) with the next that stands out.
    Step NextLocked(double expected, std::int64_t received, std::vector<SoftCode>& codes);
    // A start bit right after silence, once the noise is known.
    Step NextAfterSilence(std::int64_t received);
    // Searching: the next start edge that may start a run.
    Step NextSearched(std::int64_t received);
    void ReadCharacter(const Step& step, std::vector<SoftCode>& codes);

    const ToneHistory* history_ = nullptr;
    bool swapped_;
    double bitLength_;
    // The character length of our stop bits, or of the sender's once
    // learnt, in half bits.
    double characterLength_;
    // The character length the timing expects: near characterLength_, off
    // by the sender's rate.
    double period_;
    SenderRate rate_;
    // The character's place in the current run, for the rate.
    int slot_ = 0;
    double halfWindow_;
    double noiseFollowingSamples_;
    double resumeSamples_;
    ToneLevels levels_;
    // The mean magnitude of a tone not sent: noise.
    double noise_ = 0.0;
    unsigned noiseLearnt_ = 0;
    // Searching: the next soft bit at which a start edge may end.
    std::int64_t searchFrom_;
    // Before this sample the demodulator is filling.
    std::int64_t windowFilled_;
    unsigned noiseKnownAfter_;
    // A transmission may start with its start bit at once, from the first
    // sample listened to or right after digital silence, with no fall from
    // mark to find: where that start edge would cross zero, until the noise
    // is known to judge the character by.
    std::optional<double> startAfterSilence_;
    bool silentBefore_ = false;
    // Locked: where the next start edge should cross zero.
    std::optional<double> expected_;
    int stopBitsLost_ = 0;
    int fadedInARow_ = 0;
    // The codes of the faded characters in a row.
    std::vector<SoftCode> faded_;
    int framedInARow_ = 0;
    int framed_ = 0;
    // How many start edges running were off by the same number of half bits.
    int lastFarHalves_ = 0;
    int farOffSeen_ = 0;
    std::int64_t lastReadAt_ = -1;
    // Where the last character that stood out clearly ends.
    std::int64_t lastClearAt_ = -1;
    bool ending_ = false;
};

}  // namespace zorbel::decoder
