#pragma once
// Weather charts received by radiofax: the decoder's receptions drawn with
// the line timing found in them and the listener's correction of slant and
// line start, which applies to the whole chart received so far and to the
// chart saved; each chart ended is handed out once, to be saved.

#include <cstdint>
#include <span>
#include <vector>

#include "decoder/FaxDecoder.h"
#include "decoder/FaxLineTiming.h"
#include "decoder/GreyImage.h"

namespace zorbel::engine_side {

using UtcSeconds = std::int64_t;

struct ChartCorrection {
    // The line longer by so many millionths: a chart leaning one way stands straight.
    double slantPpm = 0.0;
    // The line's start moved by this share of a line: the chart's edge where it belongs.
    double startShare = 0.0;
};

struct ReceivedChart {
    decoder::GreyImage chart;
    UtcSeconds start = 0;
    bool incomplete = false;
};

class FaxReceiver {
public:
    // audioStart: the time of the first sample listened to.
    FaxReceiver(const decoder::FaxMode& mode, double sampleRate, UtcSeconds audioStart);

    void Listen(std::span<const float> audio);
    // The recording has ended: a chart under way ends, cut off.
    void Finish();

    bool Receiving() const { return decoder_.Receiving(); }
    // The chart under way, as the whole of it received so far; empty while none.
    decoder::GreyImage ChartSoFar();
    // The picture's lines of the chart under way so far, not its phasing lines.
    int LinesSoFar();

    ChartCorrection Correction() const { return correction_; }
    // For the chart under way and the one saved from it; a new chart starts uncorrected.
    void Correct(const ChartCorrection& correction) { correction_ = correction; }

    // The charts ended since last asked, oldest first.
    std::vector<ReceivedChart> TakeEnded();

private:
    // Of the chart under way, unless it was found lately.
    void FindTiming();
    decoder::FaxLineTiming Corrected(decoder::FaxLineTiming timing) const;
    void KeepEnded();

    decoder::FaxMode mode_;
    decoder::FaxDecoder decoder_;
    UtcSeconds audioStart_;
    ChartCorrection correction_;
    // The timing found in the chart under way, found again as it grows by some lines.
    decoder::FaxLineTiming timing_;
    std::size_t timedSamples_ = 0;
    std::vector<ReceivedChart> ended_;
};

}  // namespace zorbel::engine_side
