#include "decoder/FaxDecoder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "decoder/FaxLineMeasures.h"

namespace zorbel::decoder {
namespace {

// A block holds a tone when this share of its variation alternates at the
// tone's rate (a clean tone gives 0.81); the start tone must hold so many
// blocks (of a line each), the stop tone so many.
constexpr double kToneShare = 0.3;
// The stop tone needs less: it is looked for only in a picture, whose blocks
// hold next to none of it (0.012 at most, so many in a row 0.003 on
// average), and a weak fading signal gives it no more than 0.2 to 0.3 in
// some blocks, 0.05 in others; so it is also heard where so many blocks in a
// row hold this much on average.
constexpr double kStopToneShare = 0.15;
constexpr std::size_t kWeakStopToneBlocks = 4;
constexpr double kWeakStopToneMean = 0.03;
constexpr int kStartToneBlocks = 4;
constexpr int kStopToneBlocks = 2;
// Its start is found to a quarter of a line. On a fading path, and more so
// in a weak signal, the tone's first lines may hold too little of it to be
// told at once (0.05 to 0.2, where a picture's parts hold 0.02 at most), or
// none where it fades away: its start is sought in so many lines before the
// first part that holds it clearly, where the parts from it on hold most
// more than this share, a part alike with the line before (picture) counting
// against it, one unalike (a fade) only for what it holds.
constexpr long long kPartsOfLine = 4;
constexpr long long kWeakToneLines = 12;
constexpr double kWeakToneShare = 0.04;
// A picture starts when the last blocks are alike enough with the lines
// before them: on average, and most of them at least a little (noise gives
// 0.02 on average, a chart at 0 dB 0.15).
constexpr std::size_t kStartWindow = 16;
constexpr double kStartMeanLikeness = 0.12;
constexpr double kLikeLine = 0.06;
constexpr std::size_t kLeastLikeInStart = 12;
// It ends where the blocks since are this little alike on average, over so
// many blocks (at the recording's end, over a few at least): half a minute,
// longer than a weak signal's fades, which look unlike too. Noise gives 0.026
// at most over so many; a chart at 0 dB on a moderately fading path may give
// as little as 0.035 for as long.
constexpr std::size_t kEndWindow = 60;
constexpr double kEndMeanLikeness = 0.03;
constexpr std::size_t kEndedBeforeFinish = 4;
// The sound card's clock against the sender's, for the lag searched.
constexpr double kClockTolerance = 300e-6;

// How many of the last blocks came after the picture's end: the most such
// that their mean likeness lies below kEndMeanLikeness; 0 if none.
std::size_t BlocksAfterPicture(const std::deque<double>& likeness) {
    std::size_t after = 0;
    double sum = 0.0;
    for (std::size_t count = 1; count <= likeness.size(); ++count) {
        sum += likeness[likeness.size() - count];
        if (sum < kEndMeanLikeness * static_cast<double>(count)) after = count;
    }
    return after;
}

}  // namespace

FaxDecoder::FaxDecoder(const FaxMode& mode, double sampleRate)
    : mode_(mode),
      demodulator_(mode, sampleRate),
      blockSamples_(static_cast<std::size_t>(std::lround(mode.LineSeconds() * demodulator_.BrightnessRate()))),
      lagSpread_(1 + static_cast<std::size_t>(kClockTolerance * static_cast<double>(blockSamples_))),
      nextBlock_(static_cast<long long>(blockSamples_ + lagSpread_)) {}

std::span<const float> FaxDecoder::From(long long at, std::size_t count) const {
    return std::span<const float>(brightness_).subspan(static_cast<std::size_t>(at - brightnessStart_), count);
}

void FaxDecoder::Decode(std::span<const float> audio) {
    demodulator_.Demodulate(audio, brightness_);
    const auto blockLength = static_cast<long long>(blockSamples_);
    while (nextBlock_ + blockLength <= brightnessStart_ + static_cast<long long>(brightness_.size())) {
        MeasureBlock(nextBlock_);
        nextBlock_ += blockLength;
    }
    if (state_ != State::Receiving) {
        // Enough to start a picture back at the first of its alike lines.
        const auto kept = static_cast<long long>((kStartWindow + 2) * blockSamples_ + lagSpread_);
        const long long drop = nextBlock_ - kept - brightnessStart_;
        if (drop > kept) {
            brightness_.erase(brightness_.begin(), brightness_.begin() + drop);
            brightnessStart_ += drop;
        }
    }
}

void FaxDecoder::MeasureBlock(long long blockStart) {
    const auto blockLength = static_cast<long long>(blockSamples_);
    const std::span<const float> block = From(blockStart, blockSamples_);
    const double rate = demodulator_.BrightnessRate();
    const bool startTone = ToneShare(block, mode_.StartToneHz(), rate) >= kToneShare;
    const double stopShare = ToneShare(block, mode_.stopToneHz, rate);
    const bool stopTone = stopShare >= kStopToneShare;
    const bool startToneBefore = startToneBlocks_ > 0;
    startToneBlocks_ = startTone ? startToneBlocks_ + 1 : 0;
    stopToneBlocks_ = stopTone ? stopToneBlocks_ + 1 : 0;
    stopShares_.push_back(stopShare);
    if (stopShares_.size() > kWeakStopToneBlocks) stopShares_.pop_front();
    // A tone's lines are all alike, yet no picture.
    const std::span<const float> all(brightness_);
    likeness_.push_back(startTone || stopTone
                            ? 0.0
                            : LineLikeness(all, static_cast<std::size_t>(blockStart - brightnessStart_), blockSamples_,
                                           blockSamples_, lagSpread_));
    if (likeness_.size() > 2 * kEndWindow) likeness_.pop_front();

    switch (state_) {
    case State::Waiting: {
        if (startToneBlocks_ >= kStartToneBlocks) {
            state_ = State::StartTone;
            break;
        }
        if (likeness_.size() < kStartWindow) break;
        const auto window = likeness_.end() - kStartWindow;
        const double mean = std::accumulate(window, likeness_.end(), 0.0) / kStartWindow;
        const auto like = static_cast<std::size_t>(
            std::count_if(window, likeness_.end(), [](double value) { return value >= kLikeLine; }));
        if (mean < kStartMeanLikeness || like < kLeastLikeInStart) break;
        // From the line before the first of the last alike ones in a row: the
        // one it was like (noise alone may look a little alike now and then).
        const auto unlike =
            std::find_if(likeness_.rbegin(), likeness_.rend(), [](double value) { return value < kLikeLine; });
        const long long firstLike = blockStart - static_cast<long long>(unlike - likeness_.rbegin() - 1) * blockLength;
        Begin(std::max(brightnessStart_, firstLike - blockLength), FaxStart::Picture);
        break;
    }
    case State::StartTone:
        // Ended when two blocks in a row hold none: one may be a fade.
        if (!startTone && !startToneBefore) Begin(blockStart - blockLength, FaxStart::StartTone);
        break;
    case State::Receiving:
        if (StopToneHeard()) {
            End(StopToneOnset(blockStart + blockLength), FaxEnd::StopTone);
        } else if (startToneBlocks_ >= kStartToneBlocks) {
            End(blockStart - (kStartToneBlocks - 1) * blockLength, FaxEnd::NextStart);
            state_ = State::StartTone;
        } else if (const std::size_t after = BlocksAfterPicture(likeness_); after >= kEndWindow) {
            End(blockStart + blockLength - static_cast<long long>(after) * blockLength, FaxEnd::PictureEnded);
        }
        break;
    }
}

double FaxDecoder::StopToneShare(long long partStart) const {
    const auto part = static_cast<std::size_t>(blockSamples_ / kPartsOfLine);
    return ToneShare(From(partStart, part), mode_.stopToneHz, demodulator_.BrightnessRate());
}

bool FaxDecoder::StopToneHeard() const {
    const double mean = std::accumulate(stopShares_.begin(), stopShares_.end(), 0.0) / kWeakStopToneBlocks;
    return stopToneBlocks_ >= kStopToneBlocks || mean >= kWeakStopToneMean;
}

long long FaxDecoder::StopToneOnset(long long heardUntil) const {
    // The first part of a line in the blocks it was heard in that holds the
    // tone clearly (if none, their end); then, before it, the part from
    // which on the tone's share beyond kWeakToneShare adds up most. The
    // picture ends with that part, which holds a little of the picture too.
    const auto part = static_cast<long long>(blockSamples_ / kPartsOfLine);
    long long clear =
        std::max(heardUntil - static_cast<long long>(kWeakStopToneBlocks * blockSamples_), receptionStart_);
    while (clear + part <= heardUntil && StopToneShare(clear) < kStopToneShare) clear += part;
    long long onset = clear;
    double sum = 0.0, most = 0.0;
    const long long earliest = std::max(receptionStart_ + static_cast<long long>(blockSamples_ + lagSpread_),
                                        clear - kWeakToneLines * kPartsOfLine * part);
    for (long long at = clear - part; at >= earliest; at -= part) {
        const double beyond = StopToneShare(at) - kWeakToneShare;
        const bool picture = LineLikeness(brightness_, static_cast<std::size_t>(at - brightnessStart_),
                                          static_cast<std::size_t>(part), blockSamples_, lagSpread_) >= kLikeLine;
        sum += picture ? beyond : std::max(0.0, beyond);
        if (sum > most) {
            most = sum;
            onset = at;
        }
    }
    return onset + part;
}

void FaxDecoder::Begin(long long at, FaxStart start) {
    state_ = State::Receiving;
    receptionStart_ = at;
    receptionStartedBy_ = start;
    likeness_.clear();
    stopShares_.clear();
}

void FaxDecoder::End(long long at, FaxEnd end) {
    const long long stop = std::max(at, receptionStart_);
    FaxReception reception;
    const std::span<const float> received = From(receptionStart_, static_cast<std::size_t>(stop - receptionStart_));
    reception.brightness.assign(received.begin(), received.end());
    reception.brightnessRate = demodulator_.BrightnessRate();
    reception.startSeconds = static_cast<double>(receptionStart_) / reception.brightnessRate;
    reception.start = receptionStartedBy_;
    reception.end = end;
    ended_.push_back(std::move(reception));
    state_ = State::Waiting;
    likeness_.clear();
}

void FaxDecoder::Finish() {
    if (state_ != State::Receiving) return;
    const std::size_t after = BlocksAfterPicture(likeness_);
    if (after >= kEndedBeforeFinish && after < likeness_.size()) {
        End(nextBlock_ - static_cast<long long>(after * blockSamples_), FaxEnd::PictureEnded);
    } else {
        End(brightnessStart_ + static_cast<long long>(brightness_.size()), FaxEnd::RecordingEnded);
    }
}

std::span<const float> FaxDecoder::ReceivedSoFar() const {
    if (state_ != State::Receiving) return {};
    return std::span<const float>(brightness_).subspan(static_cast<std::size_t>(receptionStart_ - brightnessStart_));
}

std::vector<FaxReception> FaxDecoder::TakeEnded() { return std::exchange(ended_, {}); }

}  // namespace zorbel::decoder
