#include "decoder/FecReader.h"

#include <algorithm>
#include <cmath>

#include "decoder/Ccir476.h"
#include "decoder/FecTransmission.h"
#include "decoder/Ita2.h"

namespace zorbel::decoder {
namespace {

constexpr std::int64_t kSlotBits = kCcirBits;
constexpr std::int64_t kPairBits = 2 * kSlotBits;
constexpr std::int64_t kRxDelayBits = kRxDelaySlots * kSlotBits;

// Each slot's weight counts less by this factor per slot after it: about
// the last twenty slots (1.4 s) decide, so a lock follows the signal.
constexpr double kForgetting = 0.95;
// A single slot counts at worst so much against its way: one burst of noise
// must not undo a lock that seconds of agreeing copies built.
constexpr double kWorstSlot = -6.0;
// The weight that locks, and by how much it must exceed every other way's
// (a clean signal builds about 60; noise stays near 0); and how much
// heavier another way must grow to take a lock over (a slipped bit).
constexpr double kLocks = 20.0;
constexpr double kLockMargin = 10.0;
constexpr double kTakesOver = 10.0;
// A code is decided once it is this much likelier (as a natural logarithm)
// than the next likeliest: about 80 %. A character lost counts as wrong as
// one read wrong, and in fading more than half of those between 80 and
// 95 % are right (two-path fading, 0 dB: a fifth fewer characters wrong).
constexpr float kDecides = 1.5f;
// A lost character's likeliest letter is printed in lower case, as unsure,
// in place of '*' where it holds at least this share of the likelihood: in
// fading about half of those are right, and a reader reads the word (two-path
// fading, 0 dB: a quarter fewer characters lost).
constexpr double kLikeliestShown = 1.0 / 3.0;
// After a loss of lock shorter than this many characters the lock goes on
// where it broke off, the characters in between read as well as they can be.
constexpr std::int64_t kGapCharacters = 20;
// A lock that moves to another way by so many bits at most reads on from
// the character after the last one read.
constexpr std::int64_t kSlipBits = 3;
// So many characters in a row that neither copy yields end a lock.
constexpr std::size_t kLostCharacters = 8;
// The end of emission, three α in DX and their RX copies, lasts no longer
// than so many bits after the α read that ends it.
constexpr std::int64_t kEndBits = 6 * kPairBits;
// The end of emission is read from two α at most so many characters apart.
constexpr std::int64_t kAlphaGapCharacters = 2;
// So many bits are kept to read again on lock (40 s).
constexpr std::size_t kKeptBits = 4096;

// ln(e^a + e^b) without overflow.
float LogAdd(float a, float b) {
    const float larger = std::max(a, b);
    return larger + std::log1p(std::exp(std::min(a, b) - larger));
}

float LogSum(const std::array<float, 35>& terms) {
    float sum = terms[0];
    for (std::size_t index = 1; index < terms.size(); ++index) sum = LogAdd(sum, terms[index]);
    return sum;
}

std::size_t IndexOf(std::uint8_t code) {
    const auto& codes = ValidCcir476Codes();
    return static_cast<std::size_t>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

const std::size_t kAlphaIndex = IndexOf(kCcirAlpha);
const std::size_t kRepetitionIndex = IndexOf(kCcirRepetition);
const std::size_t kBetaIndex = IndexOf(kCcirBeta);
const std::size_t kLettersIndex = IndexOf(Ccir476FromIta2(kIta2Letters));
const std::size_t kFiguresIndex = IndexOf(Ccir476FromIta2(kIta2Figures));

// The log-likelihood of the copies agreeing, by the code in DX: the same
// code in RX, or α where DX carries the phasing's repetition signal.
float Agreeing(const std::array<float, 35>& dx, const std::array<float, 35>& rx, std::size_t index) {
    return dx[index] + rx[index == kRepetitionIndex ? kAlphaIndex : index];
}

}  // namespace

FecReader::FecReader() = default;

float FecReader::Bit(std::int64_t index, bool inverted) const {
    if (index < firstBit_ || index >= Received()) return 0.0f;
    const float bit = bits_[static_cast<std::size_t>(index - firstBit_)];
    return inverted ? -bit : bit;
}

FecReader::CodeScores FecReader::ScoresAt(std::int64_t start, bool inverted) const {
    // A code's log-likelihood: half of each bit's likelihood, added where
    // the code has a 1 and taken where it has a 0.
    std::array<float, kCcirBits> halves{};
    CodeScores scores{};
    for (int bit = 0; bit < kCcirBits; ++bit) {
        halves[static_cast<std::size_t>(bit)] = Bit(start + bit, inverted) / 2.0f;
        // ln(e^x + e^-x) for every word, bit by bit.
        const float magnitude = std::abs(halves[static_cast<std::size_t>(bit)]);
        scores.all += magnitude + std::log1p(std::exp(-2.0f * magnitude));
    }
    const auto& codes = ValidCcir476Codes();
    for (std::size_t index = 0; index < codes.size(); ++index) {
        float score = 0.0f;
        for (int bit = 0; bit < kCcirBits; ++bit) {
            const float half = halves[static_cast<std::size_t>(bit)];
            score += ((codes[index] >> bit) & 1u) != 0 ? half : -half;
        }
        scores.codes[index] = score;
    }
    return scores;
}

void FecReader::WeighSlot(std::int64_t start) {
    static const float kValidShare = std::log(128.0f / 35.0f);
    static const float kCodes = std::log(35.0f);
    for (const bool inverted : {false, true}) {
        const CodeScores slot = ScoresAt(start, inverted);
        // How much likelier the bits are as a valid code than as any word.
        const float valid = LogSum(slot.codes) - slot.all + kValidShare;
        const int dxOffset = static_cast<int>(start % kPairBits);
        const int base = inverted ? kOffsets : 0;
        // The way in which this slot is DX: its RX copy is still to come.
        // The way in which it is RX: how much likelier its codes agree with
        // the DX slot five before than come independent of it.
        const CodeScores dx = ScoresAt(start - kRxDelayBits, inverted);
        std::array<float, 35> agreeing{};
        for (std::size_t index = 0; index < agreeing.size(); ++index) {
            agreeing[index] = Agreeing(dx.codes, slot.codes, index);
        }
        const float agree = kCodes + LogSum(agreeing) - LogSum(dx.codes) - LogSum(slot.codes);
        const struct {
            int offset;
            float term;
        } terms[] = {{dxOffset, valid}, {static_cast<int>((dxOffset + kSlotBits) % kPairBits), valid + agree}};
        for (const auto& [offset, term] : terms) {
            Way& way = ways_[static_cast<std::size_t>(base + offset)];
            way.weight = std::max(0.0, kForgetting * way.weight + std::max<double>(term, kWorstSlot));
            if (way.weight == 0.0) way.runStart = start + kSlotBits;
        }
    }
}

void FecReader::Add(float oneLikelihood, std::string& text) {
    bits_.push_back(oneLikelihood);
    if (bits_.size() > 2 * kKeptBits) {
        bits_.erase(bits_.begin(), bits_.begin() + static_cast<std::ptrdiff_t>(kKeptBits));
        firstBit_ += static_cast<std::int64_t>(kKeptBits);
    }
    const std::int64_t start = Received() - kSlotBits;
    if (start >= quietUntil_) {
        WeighSlot(start);
        LockOrFollow();
    }
    ReadCharacters(text, false);
}

void FecReader::LockOrFollow() {
    std::array<int, kWays> order{};
    for (int way = 0; way < kWays; ++way) order[static_cast<std::size_t>(way)] = way;
    std::partial_sort(order.begin(), order.begin() + 2, order.end(), [&](int left, int right) {
        return ways_[static_cast<std::size_t>(left)].weight > ways_[static_cast<std::size_t>(right)].weight;
    });
    const double best = ways_[static_cast<std::size_t>(order[0])].weight;
    const double second = ways_[static_cast<std::size_t>(order[1])].weight;
    if (locked_ < 0) {
        if (best >= kLocks && best - second >= kLockMargin) Lock(order[0]);
        return;
    }
    // A lock is kept while its characters read, however little weight is
    // left: with one copy of each lost the copies no longer agree.
    const double lockedWeight = ways_[static_cast<std::size_t>(locked_)].weight;
    if (order[0] != locked_ && best >= kLocks && best - lockedWeight >= kTakesOver) Lock(order[0]);
}

void FecReader::Lock(int way) {
    const std::int64_t offset = way % kOffsets;
    const auto alignedFrom = [&](std::int64_t bit) { return bit + ((offset - bit) % kPairBits + kPairBits) % kPairBits; };
    // The first DX slot whose RX copy lies in the run: joined in the middle
    // of a message, the first characters heard are RX copies.
    std::int64_t from = alignedFrom(ways_[static_cast<std::size_t>(way)].runStart - kRxDelayBits);
    const bool resumes = lastReadWay_ == way && lastRead_ >= 0 && from - lastRead_ <= kGapCharacters * kPairBits;
    // Lost only for a moment: on from where the lock broke off.
    if (resumes) from = lastRead_ + kPairBits;
    // Nothing read twice, also where the lock moves by a slipped bit or
    // two: the next character then starts a few bits from where it was.
    if (lastRead_ >= 0) from = std::max(from, alignedFrom(lastRead_ + kPairBits - kSlipBits));
    nextDx_ = from;
    decidedInLock_ = resumes;
    heldErasures_.clear();
    locked_ = way;
}

void FecReader::ReadCharacters(std::string& text, bool ending) {
    const std::int64_t needed = ending ? kSlotBits : kRxDelayBits + kSlotBits;
    while (locked_ >= 0 && nextDx_ + needed <= Received()) {
        ReadCharacter(nextDx_, text);
        nextDx_ += kPairBits;
    }
}

void FecReader::ReadCharacter(std::int64_t dxStart, std::string& text) {
    const bool inverted = Inverted();
    const CodeScores dx = ScoresAt(dxStart, inverted);
    const CodeScores rx = ScoresAt(dxStart + kRxDelayBits, inverted);
    std::array<float, 35> both{};
    for (std::size_t index = 0; index < both.size(); ++index) both[index] = Agreeing(dx.codes, rx.codes, index);
    const auto best = static_cast<std::size_t>(std::max_element(both.begin(), both.end()) - both.begin());
    float second = -HUGE_VALF;
    for (std::size_t index = 0; index < both.size(); ++index) {
        if (index != best) second = std::max(second, both[index]);
    }
    lastRead_ = dxStart;
    lastReadWay_ = locked_;
    if (both[best] - second < kDecides) {
        HoldLost(both, best, text);
        return;
    }
    const bool alphaInDx = best == kAlphaIndex && AlphaInDx(dx);
    if (EndsEmission(dxStart, best, alphaInDx)) {
        EndOfEmission(text);
        return;
    }
    if (alphaInDx) {
        HoldLost(both, best, text);
        return;
    }
    decidedInLock_ = true;
    // Erasures next to the phasing signals were phasing too, faded.
    const bool traffic = best != kAlphaIndex && best != kRepetitionIndex && best != kBetaIndex;
    if (traffic) {
        for (const LostCharacter& lost : heldErasures_) {
            reading_.AddLost(lost.lettersShare, lost.figuresShare, lost.likeliest, text);
        }
    }
    heldErasures_.clear();
    if (!traffic) return;
    if (const std::optional<std::uint8_t> ita2 = Ita2FromCcir476(ValidCcir476Codes()[best])) reading_.Add(*ita2, text);
}

bool FecReader::AlphaInDx(const CodeScores& dx) {
    // Only α sent in DX ends a transmission: α in RX alone is also the
    // phasing's, and the first RX copies of a transmission are α.
    float otherInDx = -HUGE_VALF;
    for (std::size_t index = 0; index < dx.codes.size(); ++index) {
        if (index != kAlphaIndex) otherInDx = std::max(otherInDx, dx.codes[index]);
    }
    return dx.codes[kAlphaIndex] - otherInDx >= kDecides;
}

bool FecReader::EndsEmission(std::int64_t dxStart, std::size_t best, bool alphaInDx) {
    // The end sends α in DX on and on, and RX repeats it: two α read within
    // a few characters, one of them clearly in DX, end it (an α in RX with
    // its DX copy faded reads as the phasing's pair). A single one is more
    // likely a character that a fade of both copies turned into it
    // (two-path fading, 0 dB: one message in twenty lost some of its text so).
    if (best != kAlphaIndex && best != kRepetitionIndex) return false;
    const bool ends = lastAlpha_ >= 0 && dxStart - lastAlpha_ <= kAlphaGapCharacters * kPairBits &&
                      (alphaInDx || lastAlphaInDx_);
    lastAlpha_ = dxStart;
    lastAlphaInDx_ = alphaInDx;
    return ends;
}

void FecReader::HoldLost(const std::array<float, 35>& both, std::size_t best, std::string& text) {
    // Erasures are held until a character follows: a run of them is the
    // end of the signal, not characters lost in it.
    if (!decidedInLock_) return;
    const float all = LogSum(both);
    std::optional<std::uint8_t> likeliest;
    if (best != kLettersIndex && best != kFiguresIndex && std::exp(both[best] - all) >= kLikeliestShown) {
        likeliest = Ita2FromCcir476(ValidCcir476Codes()[best]);
    }
    heldErasures_.push_back({std::exp(both[kLettersIndex] - all), std::exp(both[kFiguresIndex] - all), likeliest});
    if (heldErasures_.size() == kLostCharacters) {
        heldErasures_.clear();
        Unlock(text);
    }
}

void FecReader::Unlock(std::string& text) {
    locked_ = -1;
    reading_.Flush(text);
}

void FecReader::EndOfEmission(std::string& text) {
    // What follows is the rest of the end and then whatever the receiver
    // hears: nothing to lock on again until a new transmission builds up.
    Unlock(text);
    lastReadWay_ = -1;
    quietUntil_ = Received() + kEndBits;
    for (Way& way : ways_) way = Way{0.0, quietUntil_};
}

void FecReader::Finish(std::string& text) {
    ReadCharacters(text, true);
    reading_.Flush(text);
}

}  // namespace zorbel::decoder
