#include "decoder/RttyDecoder.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace zorbel::decoder {
namespace {

constexpr int kStopBitIndex = 6;  // start bit 0, data bits 1 to 5
// How far from the expected place a locked start edge is looked for, in bits:
// wide enough for a sender whose stop bits are half a bit longer than ours,
// and earlier by as much as a sender with one stop bit sends it.
constexpr double kLockedSearchBits = 0.6;
// A start edge off by a number of half bits (give or take this many bits),
// whose character reads more clearly than at the expected place, is a sender
// whose stop bits differ from ours: the timing moves to it, and after a few
// alike, the character length too.
constexpr double kAlikeBits = 0.15;
constexpr int kFarOffRuns = 3;
// What the squelch holds back at most: more than it takes to open.
constexpr std::size_t kHeldCharacters = 24;
// How much of the distance between a measured start edge and the expected
// one the timing follows: single edges are noisy on weak signals, the
// sender's rate is steady.
constexpr double kEdgeFollowing = 0.1;

}  // namespace

RttyDecoder::RttyDecoder(const RttyMode& mode, double sampleRate, DecoderOptions options)
    : mode_(mode),
      sampleRate_(sampleRate),
      watch_(mode, sampleRate),
      demodulator_(mode, sampleRate),
      reader_(options.unshiftOnSpace),
      bitLength_(sampleRate / mode.baud),
      characterLength_(bitLength_ * (kStopBitIndex + mode.stopBits)),
      halfWindow_(demodulator_.WindowLength() / 2.0),
      tones_(std::bit_ceil(static_cast<std::size_t>(bitLength_ * (kStopBitIndex + 4)) + 4)),
      mask_(tones_.size() - 1) {}

std::string RttyDecoder::Decode(std::span<const float> samples) {
    std::string text;
    for (float sample : samples) {
        for (NotchFilter& notch : notches_) sample = notch.Next(sample);
        if (watch_.Add(sample)) {
            mode_.markHz = watch_.MarkHz();
            demodulator_.Retune(mode_, sampleRate_);
        }
        if (watch_.SignalPresent() && !held_.empty()) {
            text += held_;
            held_.clear();
        }
        tones_[static_cast<std::size_t>(received_++) & mask_] = demodulator_.Next(sample);
        ReadCharacters(text);
    }
    return text;
}

void RttyDecoder::SetNotches(double firstHz, double secondHz) {
    notchHz_[0] = firstHz;
    notchHz_[1] = secondHz;
    notches_.clear();
    for (const double hz : notchHz_) {
        if (hz > 0.0 && hz < sampleRate_ / 2.0) notches_.emplace_back(hz, sampleRate_);
    }
}

void RttyDecoder::Print(char character, std::string& text) {
    if (watch_.SignalPresent()) {
        text += character;
        return;
    }
    held_ += character;
    if (held_.size() > kHeldCharacters) held_.erase(0, held_.size() - kHeldCharacters);
}

double RttyDecoder::Margin(double crossing) const {
    double margin = 0.0;
    for (int bit = 0; bit <= kStopBitIndex; ++bit) margin += std::abs(SoftBit(BitEnd(crossing, bit)));
    return margin;
}

double RttyDecoder::LockedCrossing(double expected, double found) {
    const double off = found - expected;
    const double followed = expected + kEdgeFollowing * off;
    // Stop bits come in halves: an edge off by another amount is noise. So
    // is one whose character reads less clearly than the expected one's.
    const double halves = std::round(2.0 * off / bitLength_);
    const bool otherStopBits = halves != 0.0 && std::abs(off - halves * bitLength_ / 2.0) <= kAlikeBits * bitLength_;
    if (!otherStopBits || Margin(found) <= Margin(followed)) {
        farOffSeen_ = 0;
        return followed;
    }
    farOffSeen_ = halves == lastFarHalves_ ? farOffSeen_ + 1 : 1;
    lastFarHalves_ = halves;
    if (farOffSeen_ == kFarOffRuns) {
        farOffSeen_ = 0;
        characterLength_ = std::clamp(characterLength_ + halves * bitLength_ / 2.0, (kStopBitIndex + 1) * bitLength_,
                                      (kStopBitIndex + 2) * bitLength_);
    }
    return found;
}

double RttyDecoder::EarlierReach() const { return (kLockedSearchBits + mode_.stopBits - 1.0) * bitLength_; }

std::int64_t RttyDecoder::BitEnd(double crossing, int bit) const {
    // The soft bit crosses zero half a window after the tone changes; the
    // window that holds bit k alone ends (k + 1) bits after the change.
    return static_cast<std::int64_t>(std::lround(crossing - halfWindow_ + (bit + 1) * bitLength_));
}

double RttyDecoder::CrossingBefore(std::int64_t index) const {
    const float before = SoftBit(index - 1);
    return static_cast<double>(index - 1) + before / (before - SoftBit(index));
}

bool RttyDecoder::FallsAt(std::int64_t index) const { return SoftBit(index - 1) > 0.0f && SoftBit(index) <= 0.0f; }

std::optional<double> RttyDecoder::NearestCrossing(double expected, double earlier, double later) const {
    std::optional<double> nearest;
    for (auto index = static_cast<std::int64_t>(std::ceil(expected - earlier));
         index <= static_cast<std::int64_t>(expected + later); ++index) {
        if (!FallsAt(index)) continue;
        const double crossing = CrossingBefore(index);
        if (!nearest || std::abs(crossing - expected) < std::abs(*nearest - expected)) nearest = crossing;
    }
    return nearest;
}

RttyDecoder::Frame RttyDecoder::ReadFrame(double crossing) const {
    Frame frame{SoftBit(BitEnd(crossing, 0)) < 0.0f, SoftBit(BitEnd(crossing, kStopBitIndex)) > 0.0f, 0};
    for (int bit = 1; bit < kStopBitIndex; ++bit) {
        if (SoftBit(BitEnd(crossing, bit)) > 0.0f) frame.code |= static_cast<std::uint8_t>(1u << (bit - 1));
    }
    return frame;
}

void RttyDecoder::LearnFrame(double crossing) {
    for (int bit = 0; bit <= kStopBitIndex; ++bit) {
        const std::int64_t end = BitEnd(crossing, bit);
        levels_.Learn(Tones(end), SoftBit(end) > 0.0f);
    }
}

void RttyDecoder::ReadCharacters(std::string& text) {
    for (;;) {
        double crossing;
        std::optional<double> found;
        if (expectedCrossing_) {
            // Locked: characters follow one another at the sender's rate, so
            // the next start edge is looked for where it must come, and the
            // edges measured along the way steady the timing.
            const double expected = *expectedCrossing_;
            const double later = kLockedSearchBits * bitLength_;
            if (BitEnd(expected + later, kStopBitIndex) >= received_) return;
            found = NearestCrossing(expected, EarlierReach(), later);
            crossing = found ? LockedCrossing(expected, *found) : expected;
        } else {
            if (searchFrom_ >= received_) return;
            if (!FallsAt(searchFrom_)) {
                ++searchFrom_;
                continue;
            }
            crossing = CrossingBefore(searchFrom_);
            if (BitEnd(crossing, kStopBitIndex) >= received_) return;  // the character is not complete yet
        }

        const Frame frame = ReadFrame(crossing);
        if (expectedCrossing_) {
            // No edge and a mark where the start bit belongs: the sender
            // paused. A stop bit lost twice running: the timing slipped.
            // Either way, search afresh.
            const bool paused = !found && !frame.startIsSpace;
            const bool slipped = !frame.stopIsMark && ++stopBitsLost_ == 2;
            if (paused || slipped) {
                expectedCrossing_.reset();
                searchFrom_ = static_cast<std::int64_t>(crossing - EarlierReach());
                if (!watch_.SignalPresent()) held_.clear();
                continue;
            }
            if (frame.stopIsMark) stopBitsLost_ = 0;
        } else if (!frame.startIsSpace || !frame.stopIsMark) {
            ++searchFrom_;  // noise or a misread edge: look on right after it
            continue;
        } else {
            stopBitsLost_ = 0;
        }
        LearnFrame(crossing);
        if (const std::optional<char> character = reader_.Read(frame.code)) Print(*character, text);
        expectedCrossing_ = crossing + characterLength_;
    }
}

}  // namespace zorbel::decoder
