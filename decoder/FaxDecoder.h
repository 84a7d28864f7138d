#pragma once
// Receives radiofax: the subcarrier demodulated to brightness, watched line
// by line for the start tone, the stop tone and the likeness of each line to
// the one before. A reception starts after the start tone, or without it
// once enough lines in a row look like a chart's (not on noise, RTTY or a
// steady carrier, whose lines are unlike or featureless); it ends at the
// stop tone, at the next start tone, or where the lines stop being alike.
// Each reception keeps its brightness whole, so that its chart can be drawn
// (FaxChart.h) with the line timing found in it (FaxLineTiming.h), and drawn
// again with another.

#include <deque>
#include <span>
#include <vector>

#include "decoder/FaxDemodulator.h"
#include "decoder/FaxMode.h"

namespace zorbel::decoder {

enum class FaxStart { StartTone, Picture };
enum class FaxEnd { StopTone, PictureEnded, NextStart, RecordingEnded };

struct FaxReception {
    std::vector<float> brightness;
    double brightnessRate = 0.0;
    // Where the brightness begins in the audio given to the decoder.
    double startSeconds = 0.0;
    FaxStart start = FaxStart::StartTone;
    FaxEnd end = FaxEnd::StopTone;
    // Cut off before its end: by the recording's end or by another chart.
    bool Incomplete() const { return end == FaxEnd::NextStart || end == FaxEnd::RecordingEnded; }
};

class FaxDecoder {
public:
    FaxDecoder(const FaxMode& mode, double sampleRate);

    void Decode(std::span<const float> audio);
    // Ends a reception under way, as the recording has ended.
    void Finish();

    double BrightnessRate() const { return demodulator_.BrightnessRate(); }
    bool Receiving() const { return state_ == State::Receiving; }
    // The brightness of the reception under way, so far; empty if none.
    std::span<const float> ReceivedSoFar() const;
    // What started the reception under way.
    FaxStart StartedBy() const { return receptionStartedBy_; }
    // The receptions ended since last asked, oldest first.
    std::vector<FaxReception> TakeEnded();

private:
    enum class State { Waiting, StartTone, Receiving };
    void MeasureBlock(long long blockStart);
    bool StopToneHeard() const;
    double StopToneShare(long long partStart) const;
    long long StopToneOnset(long long heardUntil) const;
    void Begin(long long at, FaxStart start);
    void End(long long at, FaxEnd end);
    std::span<const float> From(long long at, std::size_t count) const;

    FaxMode mode_;
    FaxDemodulator demodulator_;
    std::size_t blockSamples_;
    std::size_t lagSpread_;
    // Brightness from sample brightnessStart_ on (counted from the decoder's
    // first); while waiting only the last few lines are kept.
    std::vector<float> brightness_;
    long long brightnessStart_ = 0;
    long long nextBlock_;
    State state_ = State::Waiting;
    long long receptionStart_ = 0;
    FaxStart receptionStartedBy_ = FaxStart::StartTone;
    int startToneBlocks_ = 0;
    int stopToneBlocks_ = 0;
    // The stop tone's share in the last blocks, newest last.
    std::deque<double> stopShares_;
    // Each recent block's likeness to the line before, newest last.
    std::deque<double> likeness_;
    std::vector<FaxReception> ended_;
};

}  // namespace zorbel::decoder
