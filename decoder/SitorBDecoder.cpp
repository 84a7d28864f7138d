#include "decoder/SitorBDecoder.h"

#include <algorithm>
#include <cmath>

namespace zorbel::decoder {
namespace {

// How far the timing moves towards each change between two bits, and its
// bit length by how much of that change's distance: faster while nothing is
// locked yet, so a receiver switched on in the middle of a message finds the
// bits within a few characters, then steady: in a fade the changes are
// found off by the noise for a second on end, and a timing that followed
// them there lost the characters after the fade, whose copies had come
// through (two-path fading, 0 dB: a third of the characters lost were
// lost so). Half a per cent off its rate a sender is still followed.
// The length moves slowly enough for the phase to settle first (its share
// well below the square of the phase's).
struct Following {
    double phase, length;
};
constexpr Following kSearching{0.2, 0.004};
constexpr Following kLocked{0.04, 0.0005};
// A sender lies at most this far off its rate.
constexpr double kMostRateOff = 0.01;
// The noise is the mean of the weaker tone over about this many bits.
constexpr double kNoiseBits = 100.0;

}  // namespace

RttyMode NavtexMode(double centreHz) { return RttyMode{100.0, 170.0, centreHz - 85.0, true, 0.0}; }

SitorBDecoder::SitorBDecoder(const RttyMode& mode, double sampleRate)
    : mode_(mode),
      sampleRate_(sampleRate),
      watch_(mode, sampleRate),
      demodulator_(mode, sampleRate),
      history_(static_cast<std::size_t>(4 * demodulator_.WindowLength())),
      nominalBitLength_(sampleRate / mode.baud),
      bitLength_(nominalBitLength_),
      nextBitEnd_(demodulator_.WindowLength()) {}

std::string SitorBDecoder::Decode(std::span<const float> samples) {
    std::string text;
    for (float sample : samples) {
        sample = notches_.Next(sample);
        if (watch_.Add(sample)) {
            mode_.markHz = watch_.MarkHz();
            demodulator_.Retune(mode_, sampleRate_);
        }
        history_.Add(demodulator_.Next(sample));
        while (history_.Received() > std::llround(nextBitEnd_)) ReadBit(text);
    }
    return text;
}

std::string SitorBDecoder::Finish() {
    std::string text;
    reader_.Finish(text);
    return text;
}

void SitorBDecoder::FollowNoise(ToneMagnitudes tones) {
    ++noiseLearnt_;
    noise_ += (std::min(tones.mark, tones.space) - noise_) / std::min<double>(noiseLearnt_, kNoiseBits);
    levels_.SetNoise(noise_);
}

std::optional<double> SitorBDecoder::ChangeOff(std::int64_t before, std::int64_t end, bool toMark) const {
    const double halfway = (static_cast<double>(before) + static_cast<double>(end)) / 2.0;
    std::optional<double> nearest;
    float previous = levels_.Soft(history_.At(before));
    for (std::int64_t index = before + 1; index <= end; ++index) {
        const float soft = levels_.Soft(history_.At(index));
        if ((previous > 0.0f) != toMark && (soft > 0.0f) == toMark) {
            const double fraction = previous / (previous - soft);
            const double crossing =
                static_cast<double>(index - 1) + (fraction >= 0.0 && fraction <= 1.0 ? fraction : 0.5);
            if (!nearest || std::abs(crossing - halfway) < std::abs(*nearest - halfway)) nearest = crossing;
        }
        previous = soft;
    }
    if (!nearest) return std::nullopt;
    return *nearest - halfway;
}

void SitorBDecoder::ReadBit(std::string& text) {
    const std::int64_t end = std::llround(nextBitEnd_);
    const ToneMagnitudes tones = history_.At(end);
    FollowNoise(tones);
    const float likelihood = levels_.SoftAmong(tones, levels_.Recent());
    const bool mark = likelihood > 0.0f;
    if (lastBitEnd_ >= 0 && mark != lastMark_) {
        if (const std::optional<double> off = ChangeOff(lastBitEnd_, end, mark)) {
            // A change later than halfway: the bits lie later than the timing
            // put them.
            const Following following = reader_.Locked() ? kLocked : kSearching;
            nextBitEnd_ += following.phase * *off;
            bitLength_ = std::clamp(bitLength_ + following.length * *off, nominalBitLength_ * (1.0 - kMostRateOff),
                                    nominalBitLength_ * (1.0 + kMostRateOff));
        }
    }
    levels_.Learn(tones, mark);
    // 1 is the mark, the B state; the reader finds whether the tones are
    // swapped.
    reader_.Add(likelihood, text);
    lastBitEnd_ = end;
    lastMark_ = mark;
    nextBitEnd_ += bitLength_;
}

}  // namespace zorbel::decoder
