#pragma once
// Reads SITOR-B characters from a stream of soft bits (see FecTransmission).
// Where the characters begin (one of seven bits), which slots are DX and
// which RX, and whether the bits come inverted (tones swapped) are not told:
// each of the 28 ways is weighed as the bits come, by how likely its slots
// hold valid codes and its DX and RX copies agree (the phasing signals, the
// repetition signal in DX with α in RX, count as agreeing), against bits
// without that structure. The phasing at the start of a transmission and
// its traffic alike build up that weight, so a reader joining in the middle
// of a message locks within a few characters; noise builds none. On lock
// the characters already heard in that way's run are read again, so the
// start is not lost; after a short loss of lock the characters in between
// are read too; a run of characters that neither copy yields, or α read
// twice within a few characters, once clearly in DX (the end of emission),
// ends the lock.
// A character is decided from both copies together, each code weighed by
// the likelihoods of its bits in both, so that a copy that a fade has half
// taken still counts; one that neither copy makes likely enough is given as
// '*', or as its likeliest letter in lower case where that is still fairly
// likely (see ShiftReading, also for a lost shift).

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "decoder/ShiftReading.h"

namespace zorbel::decoder {

class FecReader {
public:
    FecReader();

    // Takes the next bit: how much likelier 1 (the B state, mark) was sent
    // than 0, as a natural logarithm. Appends the characters read now.
    void Add(float oneLikelihood, std::string& text);
    // The input ended: the characters whose RX copy did not come are read
    // from their DX copy alone.
    void Finish(std::string& text);

    bool Locked() const { return locked_ >= 0; }
    // Whether the bits read come inverted (1 sent as 0).
    bool Inverted() const { return locked_ >= kOffsets; }

private:
    // Where DX slots start (bit index modulo 14), times the two polarities.
    static constexpr int kOffsets = 14;
    static constexpr int kWays = 2 * kOffsets;

    // How likely each valid code is, as a logarithm up to a common term,
    // for the seven bits from start on.
    struct CodeScores {
        std::array<float, 35> codes;
        // The logarithm of the sum over all 128 seven-bit words.
        float all;
    };

    struct Way {
        // How much likelier the slots so far are framed this way than
        // without structure, forgetting the older ones; never below zero.
        double weight = 0.0;
        // Where the run of slots began that built up the weight.
        std::int64_t runStart = 0;
    };

    float Bit(std::int64_t index, bool inverted) const;
    CodeScores ScoresAt(std::int64_t start, bool inverted) const;
    // Weighs the slot that ended with the last bit, in every way it belongs to.
    void WeighSlot(std::int64_t start);
    void LockOrFollow();
    void Lock(int way);
    // Reads the characters whose both copies are in (or, ending, the DX copy).
    void ReadCharacters(std::string& text, bool ending);
    void ReadCharacter(std::int64_t dxStart, std::string& text);
    // Whether the DX copy alone is clearly α.
    static bool AlphaInDx(const CodeScores& dx);
    // Whether the character decided (best) ends the transmission.
    bool EndsEmission(std::int64_t dxStart, std::size_t best, bool alphaInDx);
    // A character neither copy makes likely enough: held until the next
    // one read (see heldErasures_).
    void HoldLost(const std::array<float, 35>& both, std::size_t best, std::string& text);
    // The transmission ended.
    void EndOfEmission(std::string& text);
    void Unlock(std::string& text);
    std::int64_t Received() const { return firstBit_ + static_cast<std::int64_t>(bits_.size()); }

    std::deque<float> bits_;
    std::int64_t firstBit_ = 0;
    std::array<Way, kWays> ways_{};
    // The way locked on, or -1.
    int locked_ = -1;
    // Locked: where the next character's DX copy starts.
    std::int64_t nextDx_ = 0;
    // Where the DX copy of the last α (or phasing pair) read started, or
    // -1, and whether it was clearly α in DX.
    std::int64_t lastAlpha_ = -1;
    bool lastAlphaInDx_ = false;
    // Where the DX copy of the last character read started, and in which way.
    std::int64_t lastRead_ = -1;
    int lastReadWay_ = -1;
    // Whether a character was decided in this lock: erasures before the
    // first are the noise before the transmission, not lost characters.
    bool decidedInLock_ = false;
    // A character lost: how likely it was a letters or a figures shift, and
    // its likeliest ITA2 code where that is worth printing.
    struct LostCharacter {
        double lettersShare, figuresShare;
        std::optional<std::uint8_t> likeliest;
    };
    // The characters lost since the last one read.
    std::vector<LostCharacter> heldErasures_;
    // Slots before this bit are not weighed: the end of a transmission.
    std::int64_t quietUntil_ = 0;
    ShiftReading reading_;
};

}  // namespace zorbel::decoder
