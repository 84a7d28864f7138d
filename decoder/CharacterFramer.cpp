#include "decoder/CharacterFramer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

namespace zorbel::decoder {
namespace {

constexpr int kStopBitIndex = 6;  // start bit 0, data bits 1 to 5
// A character's data bits are read by the tone levels of the bits around
// each, after it too: so many of the next character's first bits.
constexpr int kNextBits = static_cast<int>(ToneLevels::kAround) - 1;
// How far from the expected place a locked start edge is looked for, in bits:
// wide enough for a sender whose stop bits are half a bit longer than ours,
// and earlier by as much as a sender with one stop bit sends it.
constexpr double kLockedSearchBits = 0.6;
// A start edge off by a number of half bits (give or take this many bits),
// whose character reads much more clearly than at the expected place, is a sender
// whose stop bits differ from ours: the timing moves to it, and after a few
// alike, the character length too.
constexpr double kAlikeBits = 0.15;
constexpr int kFarOffRuns = 3;
// How much more clearly than at the expected place it must read there: on a
// weak signal, noise makes some edge half a bit off read a little better now
// and then.
constexpr double kFarOffClearer = 1.5;
// How much of the distance between a character's edges and where the timing
// put them the timing follows: the edges of one character are noisy on weak
// signals, and the sender's rate is estimated apart. A sender lies at most a
// few per cent off its rate.
constexpr double kPhaseFollowing = 0.1;
constexpr double kMostRateOff = 0.04;
// How far from where the timing puts it a change between two bits is looked
// for, in bits.
constexpr double kBitEdgeReach = 0.4;
// A sender's pause sends the mark tone at the level of the characters' tones,
// give or take a fade within the character: at least this share of it.
constexpr double kPausedMarkShare = 0.5;
// How far a character's tones must stand out above the noise (the mean of
// the stronger tone at its bits against the noise's) to start a run, and to
// go on with one; noise alone reaches about 1.5. To start one, each bit must
// also stand out by the second figure, and by the third share of the mean.
// After a few characters in a row under it the transmission has ended, or
// faded too deep to follow.
constexpr double kStartsRun = 3.0;
constexpr double kEveryBitStartingRun = 2.0;
constexpr double kWeakestBitShare = 0.35;
constexpr double kGoesOn = 2.3;
constexpr int kFadedCharacters = 3;
// How long after a clear character a run may start with a tone faded: the
// same transmission's.
constexpr double kResumeSeconds = 1.0;
// A start edge after noise rather than mark crosses zero early, by up to half
// a bit: the search tries the places this far on, in steps, for the one that
// reads most clearly.
constexpr double kClearestStartBits = 0.6;
constexpr int kClearestStartSteps = 12;
// The noise is known well enough to start a run by after this many windows'
// worth of samples.
constexpr unsigned kNoiseKnownAfterWindows = 8;
// The noise follows over about a second while nothing is framed (and stays
// as it was while characters are: the weaker tone then also holds the
// stronger one's leakage, which would make a fading signal look like noise).
constexpr double kNoiseFollowingSeconds = 1.0;
// Magnitudes of the weaker tone beyond this many times the noise are taken
// as this much: noise alone seldom reaches it.
constexpr double kNoiseCutOff = 2.0;
// Tone magnitudes below this share of a full-scale tone's (-180 dB) are
// digital silence, the rounding left of a sum of zeros.
constexpr double kDigitalSilence = 1e-9;

}  // namespace

CharacterFramer::CharacterFramer(const RttyMode& mode, double sampleRate, int windowLength, bool swapped,
                                 std::int64_t from)
    : swapped_(swapped),
      bitLength_(sampleRate / mode.baud),
      characterLength_(bitLength_ * (kStopBitIndex + mode.stopBits)),
      period_(characterLength_),
      rate_(characterLength_),
      halfWindow_(windowLength / 2.0),
      noiseFollowingSamples_(kNoiseFollowingSeconds * sampleRate),
      resumeSamples_(kResumeSeconds * sampleRate),
      searchFrom_(std::max<std::int64_t>(1, from)),
      windowFilled_(from + windowLength),
      noiseKnownAfter_(kNoiseKnownAfterWindows * windowLength),
      startAfterSilence_(CrossingAfterSilence(from)) {}

std::size_t CharacterFramer::HistoryNeeded(const RttyMode& mode, double sampleRate) {
    return static_cast<std::size_t>(sampleRate / mode.baud * (kStopBitIndex + 6 + kNextBits)) + 4;
}

ToneMagnitudes CharacterFramer::Tones(std::int64_t index) const {
    ToneMagnitudes tones = history_->At(index);
    if (swapped_) std::swap(tones.mark, tones.space);
    return tones;
}

double CharacterFramer::Margin(double crossing) const {
    double margin = 0.0;
    for (int bit = 0; bit <= kStopBitIndex; ++bit) margin += std::abs(SoftBit(BitEnd(crossing, bit)));
    return margin;
}

double CharacterFramer::Level(double crossing) const {
    double sum = 0.0;
    for (int bit = 0; bit <= kStopBitIndex; ++bit) {
        const ToneMagnitudes tones = Tones(BitEnd(crossing, bit));
        sum += std::max(tones.mark, tones.space);
    }
    return sum / (kStopBitIndex + 1);
}

bool CharacterFramer::EveryBitStandsOut(double crossing) const {
    double sum = 0.0;
    double weakest = HUGE_VAL;
    for (int bit = 0; bit <= kStopBitIndex; ++bit) {
        const ToneMagnitudes tones = Tones(BitEnd(crossing, bit));
        sum += std::max(tones.mark, tones.space);
        weakest = std::min<double>(weakest, std::max(tones.mark, tones.space));
    }
    return weakest >= kEveryBitStartingRun * noise_ && weakest >= kWeakestBitShare * sum / (kStopBitIndex + 1);
}

double CharacterFramer::LockedCrossing(double expected, std::optional<double> found, int& halves) const {
    if (!found) return expected;
    const double off = *found - expected;
    // Stop bits come in halves: an edge off by another amount is noise. So
    // is one whose character reads less clearly than the expected one's.
    const double farHalves = std::round(2.0 * off / bitLength_);
    const bool otherStopBits =
        farHalves != 0.0 && std::abs(off - farHalves * bitLength_ / 2.0) <= kAlikeBits * bitLength_;
    if (!otherStopBits) return expected;
    // A whole bit off reads as clearly, but its start and stop bits tell.
    const Frame there = ReadFrame(*found);
    const Frame here = ReadFrame(expected);
    const bool framedThereOnly =
        there.startIsSpace && there.stopIsMark && !(here.startIsSpace && here.stopIsMark);
    const double clearer = framedThereOnly ? 1.0 : kFarOffClearer;
    if (Margin(*found) <= clearer * Margin(expected)) return expected;
    halves = static_cast<int>(farHalves);
    return *found;
}

std::optional<double> CharacterFramer::EdgesOff(double crossing, std::optional<double> found) const {
    double sum = 0.0;
    int count = 0;
    if (found) {
        sum += *found - crossing;
        ++count;
    }
    bool before = false;  // the start bit
    for (int bit = 1; bit <= kStopBitIndex; ++bit) {
        const bool mark = SoftBit(BitEnd(crossing, bit)) > 0.0f;
        if (mark == before) continue;
        before = mark;
        const double at = crossing + bit * bitLength_;
        std::optional<double> nearest;
        for (auto index = static_cast<std::int64_t>(std::ceil(at - kBitEdgeReach * bitLength_));
             index <= static_cast<std::int64_t>(at + kBitEdgeReach * bitLength_); ++index) {
            if ((SoftBit(index - 1) > 0.0f) == mark || (SoftBit(index) > 0.0f) != mark) continue;
            const double change = CrossingBefore(index);
            if (!nearest || std::abs(change - at) < std::abs(*nearest - at)) nearest = change;
        }
        if (nearest) {
            sum += *nearest - at;
            ++count;
        }
    }
    if (count == 0) return std::nullopt;
    return sum / count;
}

double CharacterFramer::FollowTiming(std::optional<double> found, double crossing, int halves) {
    double correction = 0.0;
    if (halves != 0) {
        // The character starts a new line of edges for the rate.
        rate_.EndRun();
        rate_.Add(slot_, crossing);
        farOffSeen_ = halves == lastFarHalves_ ? farOffSeen_ + 1 : 1;
        lastFarHalves_ = halves;
        if (farOffSeen_ == kFarOffRuns) {
            farOffSeen_ = 0;
            characterLength_ = std::clamp(characterLength_ + halves * bitLength_ / 2.0,
                                          (kStopBitIndex + 1) * bitLength_, (kStopBitIndex + 2) * bitLength_);
            rate_.Restart(characterLength_);
        }
    } else {
        farOffSeen_ = 0;
        if (const std::optional<double> off = EdgesOff(crossing, found)) {
            rate_.Add(slot_, crossing + *off);
            correction = kPhaseFollowing * *off;
        }
    }
    period_ = std::clamp(rate_.CharacterLength(), characterLength_ * (1.0 - kMostRateOff),
                         characterLength_ * (1.0 + kMostRateOff));
    return correction;
}

double CharacterFramer::EarlierReach() const {
    return kLockedSearchBits * bitLength_ + characterLength_ - (kStopBitIndex + 1) * bitLength_;
}

std::int64_t CharacterFramer::LastNeeded(double crossing) const {
    return ending_ ? BitEnd(crossing, kStopBitIndex) : BitEnd(crossing + period_, kNextBits - 1);
}

void CharacterFramer::Finish(const ToneHistory& history, std::vector<SoftCode>& codes) {
    ending_ = true;
    Read(history, codes);
}

std::int64_t CharacterFramer::BitEnd(double crossing, int bit) const {
    // The soft bit crosses zero half a window after the tone changes; the
    // window that holds bit k alone ends (k + 1) bits after the change.
    return static_cast<std::int64_t>(std::lround(crossing - halfWindow_ + (bit + 1) * bitLength_));
}

double CharacterFramer::CrossingBefore(std::int64_t index) const {
    const float before = SoftBit(index - 1);
    // An infinite soft bit makes the fraction NaN, and a NaN crossing would
    // be cast to a sample index (undefined): it then counts as halfway.
    const double fraction = before / (before - SoftBit(index));
    return static_cast<double>(index - 1) + (fraction >= 0.0 && fraction <= 1.0 ? fraction : 0.5);
}

bool CharacterFramer::FallsAt(std::int64_t index) const { return SoftBit(index - 1) > 0.0f && SoftBit(index) <= 0.0f; }

std::optional<double> CharacterFramer::NearestCrossing(double expected, double earlier, double later) const {
    std::optional<double> nearest;
    for (auto index = static_cast<std::int64_t>(std::ceil(expected - earlier));
         index <= static_cast<std::int64_t>(expected + later); ++index) {
        if (!FallsAt(index)) continue;
        const double crossing = CrossingBefore(index);
        if (!nearest || std::abs(crossing - expected) < std::abs(*nearest - expected)) nearest = crossing;
    }
    return nearest;
}

CharacterFramer::Frame CharacterFramer::ReadFrame(double crossing) const {
    return {SoftBit(BitEnd(crossing, 0)) < 0.0f, SoftBit(BitEnd(crossing, kStopBitIndex)) > 0.0f};
}

SoftCode CharacterFramer::ReadFaded(double crossing) const {
    SoftCode code;
    const double level = Level(crossing);
    for (int bit = 1; bit < kStopBitIndex; ++bit) {
        code.markLikelihoods[static_cast<std::size_t>(bit - 1)] = levels_.SoftFaded(Tones(BitEnd(crossing, bit)), level);
    }
    return code;
}

bool CharacterFramer::Silent(ToneMagnitudes tones) const {
    return std::max(tones.mark, tones.space) < kDigitalSilence * 2.0 * halfWindow_;
}

double CharacterFramer::CrossingAfterSilence(std::int64_t first) const {
    // The soft bit of a fall from mark at sample s crosses zero between the
    // windows that hold half a window of space, the one ending at
    // s + halfWindow - 1 and the next.
    return static_cast<double>(first) + halfWindow_ - 1.0;
}

double CharacterFramer::StartRun(double crossing) {
    crossing = ClearestStartFrom(crossing);
    stopBitsLost_ = 0;
    farOffSeen_ = 0;
    slot_ = 0;
    rate_.EndRun();
    rate_.Add(slot_, crossing);
    return crossing;
}

void CharacterFramer::FollowNoise(ToneMagnitudes tones) {
    // Where nothing is framed the weaker tone is noise, unless a signal
    // stands out there (the leakage of its tones and its changes between
    // them are no noise, and are cut off where they reach far above it).
    const double stronger = std::max(tones.mark, tones.space);
    // Digital silence (a card opened before the receiver is on, a muted
    // line) holds no noise to learn: the noise is learnt from what follows.
    if (Silent(tones)) return;
    const bool known = noiseLearnt_ >= noiseKnownAfter_;
    double weaker = std::min(tones.mark, tones.space);
    // Where both tones stand out, no one signal does: the noise has risen
    // (a receiver switched on after a quiet line), and is followed up rather
    // than taken for a signal for good.
    if (known && weaker < kStartsRun * noise_) {
        if (stronger >= kStartsRun * noise_) return;
        weaker = std::min(weaker, kNoiseCutOff * noise_);
    }
    ++noiseLearnt_;
    noise_ += (weaker - noise_) / std::min(static_cast<double>(noiseLearnt_), noiseFollowingSamples_);
}

SoftCode CharacterFramer::ReadAndLearn(double crossing) {
    using Bit = ToneLevels::Bit;
    // The bits learnt last (the character before), this character's and the
    // next one's first, where the timing expects them. The start bit is
    // space and the stop bit mark; the others are read first by the levels
    // learnt last, then each by the levels of the bits around it (twice, the
    // second time around the first time's decisions), so that a fade that
    // deepens or lifts across the character is read where it is now.
    const std::span<const Bit> before = levels_.Recent();
    std::array<Bit, 2 * ToneLevels::kAround + kStopBitIndex + 1 + kNextBits> bits;
    std::copy(before.begin(), before.end(), bits.begin());
    const auto first = static_cast<int>(before.size());
    int count = first;
    for (int bit = 0; bit < kStopBitIndex + 1 + kNextBits; ++bit) {
        const std::int64_t end = bit <= kStopBitIndex ? BitEnd(crossing, bit)
                                                       : BitEnd(crossing + period_, bit - kStopBitIndex - 1);
        // At the end of the input the next character's bits may not be in.
        if (end >= history_->Received()) break;
        const ToneMagnitudes tones = Tones(end);
        bits[count++] = {tones, bit == kStopBitIndex || (bit != 0 && levels_.Soft(tones) > 0.0f)};
    }
    const int reach = static_cast<int>(ToneLevels::kAround);
    SoftCode code;
    for (int pass = 0; pass < 2; ++pass) {
        for (int bit = first + 1; bit < first + kStopBitIndex; ++bit) {
            std::array<Bit, 2 * ToneLevels::kAround> around;
            std::size_t aroundCount = 0;
            for (int other = std::max(0, bit - reach); other <= std::min(count - 1, bit + reach); ++other) {
                if (other != bit) around[aroundCount++] = bits[other];
            }
            const float soft = levels_.SoftAmong(bits[bit].tones, std::span(around).first(aroundCount));
            bits[bit].mark = soft > 0.0f;
            code.markLikelihoods[static_cast<std::size_t>(bit - first - 1)] = soft;
        }
    }
    for (int bit = 0; bit <= kStopBitIndex; ++bit) levels_.Learn(bits[first + bit].tones, bits[first + bit].mark);
    return code;
}

void CharacterFramer::Unlock(double crossing) {
    expected_.reset();
    levels_.ForgetRecent();
    faded_.clear();
    // Never behind the tones still kept, whatever the crossing.
    searchFrom_ = std::max(static_cast<std::int64_t>(crossing - EarlierReach()), history_->Oldest());
    fadedInARow_ = 0;
    framedInARow_ = 0;
}

bool CharacterFramer::StartsRun(double crossing) const {
    if (noiseLearnt_ < noiseKnownAfter_) return false;
    // A run starts where the character frames, stands out with its start
    // bit's space tone above all, and every bit stands out too, above the
    // noise and beside the other bits: a character that reaches back into
    // the noise before a transmission started does not. Shortly after a
    // clear character, within the same transmission, one whose bits do not
    // all stand out (a tone faded) may start a run too.
    const Frame frame = ReadFrame(crossing);
    if (!frame.startIsSpace || !frame.stopIsMark || !(Contrast(crossing) >= kStartsRun) ||
        !(Tones(BitEnd(crossing, 0)).space >= kStartsRun * noise_)) {
        return false;
    }
    return (lastClearAt_ >= 0 && crossing - static_cast<double>(lastClearAt_) < resumeSamples_) ||
           EveryBitStandsOut(crossing);
}

double CharacterFramer::ClearestStartFrom(double crossing) const {
    double clearest = crossing;
    double clearestMargin = Margin(crossing);
    for (int step = 1; step <= kClearestStartSteps; ++step) {
        const double later = crossing + step * kClearestStartBits * bitLength_ / kClearestStartSteps;
        const double margin = Margin(later);
        if (margin > clearestMargin && StartsRun(later)) {
            clearest = later;
            clearestMargin = margin;
        }
    }
    return clearest;
}

void CharacterFramer::Read(const ToneHistory& history, std::vector<SoftCode>& codes) {
    history_ = &history;
    levels_.SetNoise(noise_);
    const std::int64_t received = history.Received();
    for (;;) {
        const bool afterSilence = startAfterSilence_ && noiseLearnt_ >= noiseKnownAfter_;
        const Step step = expected_      ? NextLocked(*expected_, received, codes)
                          : afterSilence ? NextAfterSilence(received)
                                         : NextSearched(received);
        if (step.kind == Step::Kind::NeedsInput) return;
        if (step.kind == Step::Kind::Character) ReadCharacter(step, codes);
    }
}

CharacterFramer::Step CharacterFramer::NextLocked(double expected, std::int64_t received,
                                                  std::vector<SoftCode>& codes) {
    // Characters follow one another at the sender's rate, so the next start
    // edge is looked for where it must come, and the edges measured along
    // the way steady the timing.
    double later = kLockedSearchBits * bitLength_;
    // At the end of the input the next start edge is looked for in what came.
    if (ending_) later = std::min(later, static_cast<double>(received - 2 - BitEnd(expected, kStopBitIndex)));
    if (later < 0.0 || LastNeeded(expected + later) >= received) return {Step::Kind::NeedsInput};
    const std::optional<double> found = NearestCrossing(expected, EarlierReach(), later);
    int halves = 0;
    const double crossing = LockedCrossing(expected, found, halves);
    const Frame frame = ReadFrame(crossing);
    ++slot_;
    // A character that hardly stands out and has lost its stop bit is as
    // doubtful as one that does not stand out at all.
    const double contrast = Contrast(crossing);
    if (!(contrast >= kGoesOn) || (!frame.stopIsMark && !(contrast >= kStartsRun))) {
        // Faded, or ended: the timing runs on as it was, and the character
        // waits for the next one that stands out. After a few such
        // characters the run has ended, and they were noise.
        if (++fadedInARow_ == kFadedCharacters) {
            Unlock(expected);
        } else {
            faded_.push_back(ReadFaded(crossing));
            expected_ = expected + period_;
        }
        return {Step::Kind::LookOn};
    }
    fadedInARow_ = 0;
    // No edge and a mark where the start bit belongs, by the levels of the
    // bits just read too (with the space tone faded the tones compared may
    // read mark), its mark tone as strong as the character's tones (a start
    // bit whose space tone faded has no mark tone either): the sender
    // paused. A stop bit lost twice running: the timing slipped. Either way,
    // search afresh.
    const ToneMagnitudes startBit = Tones(BitEnd(crossing, 0));
    const bool paused = !found && !frame.startIsSpace && levels_.SoftAmong(startBit, levels_.Recent()) > 0.0f &&
                        startBit.mark >= kPausedMarkShare * Level(crossing);
    const bool slipped = !frame.stopIsMark && ++stopBitsLost_ == 2;
    if (paused || slipped) {
        Unlock(crossing);
        return {Step::Kind::LookOn};
    }
    if (frame.stopIsMark) stopBitsLost_ = 0;
    codes.insert(codes.end(), faded_.begin(), faded_.end());
    faded_.clear();
    const double correction = FollowTiming(found, crossing, halves);
    return {Step::Kind::Character, crossing, correction};
}

CharacterFramer::Step CharacterFramer::NextAfterSilence(std::int64_t received) {
    const double start = *startAfterSilence_;
    if (LastNeeded(start + kClearestStartBits * bitLength_) + 1 >= received) return {Step::Kind::NeedsInput};
    startAfterSilence_.reset();
    if (BitEnd(start, 0) < history_->Oldest() || !StartsRun(start)) return {Step::Kind::LookOn};
    return {Step::Kind::Character, StartRun(start)};
}

CharacterFramer::Step CharacterFramer::NextSearched(std::int64_t received) {
    if (searchFrom_ >= received) return {Step::Kind::NeedsInput};
    // The first window of samples only fills the demodulator.
    const bool filling = searchFrom_ < windowFilled_;
    if (!filling) {
        // A start bit that follows silence has no fall from mark: where the
        // tones rise out of digital silence, the start edge lies where a
        // fall from mark would have crossed.
        const bool silent = Silent(Tones(searchFrom_));
        if (!silent && silentBefore_) startAfterSilence_ = CrossingAfterSilence(searchFrom_);
        silentBefore_ = silent;
    }
    if (filling || !FallsAt(searchFrom_)) {
        if (!filling) FollowNoise(Tones(searchFrom_));
        ++searchFrom_;
        return {Step::Kind::LookOn};
    }
    const double crossing = CrossingBefore(searchFrom_);
    // Wait until the start edges just after this one could be read too,
    // with the next character's first bits.
    if (LastNeeded(crossing + kClearestStartBits * bitLength_) + 1 >= received) return {Step::Kind::NeedsInput};
    if (!StartsRun(crossing)) {
        ++searchFrom_;  // noise or a misread edge: look on right after it
        return {Step::Kind::LookOn};
    }
    return {Step::Kind::Character, StartRun(crossing)};
}

void CharacterFramer::ReadCharacter(const Step& step, std::vector<SoftCode>& codes) {
    const Frame frame = ReadFrame(step.crossing);
    const bool framed = frame.startIsSpace && frame.stopIsMark;
    framedInARow_ = framed ? framedInARow_ + 1 : 0;
    framed_ += framed;
    lastReadAt_ = BitEnd(step.crossing, kStopBitIndex);
    if (Contrast(step.crossing) >= kStartsRun) lastClearAt_ = lastReadAt_;
    codes.push_back(ReadAndLearn(step.crossing));
    expected_ = step.crossing + step.correction + period_;
}

}  // namespace zorbel::decoder
