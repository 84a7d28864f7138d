#pragma once
// Decides which code each character read is, by the likelihoods of its bits
// and by how likely each code is where it stands. The letters and figures
// shifts change how every code after them reads, and a shift lost to one
// weak bit garbles a whole word; but a shift that changes nothing (a letters
// shift in letters) is rare, except where senders repeat one on purpose (a
// figures shift after a space, for receivers that unshift on space). So how
// often each code comes is learnt, from the codes decided, for each shift
// state and what came just before (a shift, a space, another code), and the
// likeliest sequence of codes is followed over the characters held
// (Viterbi). A code is given once every path not negligibly less likely
// agrees on it, or once so many characters followed it; on a clear signal
// that is at once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "decoder/Ita2.h"

namespace zorbel::decoder {

class CodeDecision {
public:
    // unshiftOnSpace: a space returns to letters, as the reader takes it.
    explicit CodeDecision(bool unshiftOnSpace);

    // A decision for a new transmission, from letters on, that keeps what
    // was learnt of how codes follow one another: a station sends the same
    // kind of text again.
    CodeDecision Afresh() const;

    // Takes the next character read and appends the codes decided now.
    void Add(const SoftCode& read, std::vector<std::uint8_t>& decided);
    // The characters ended (the run, or the input): appends every code held.
    // The shift state goes on into the next characters.
    void Flush(std::vector<std::uint8_t>& decided);

    // Characters held undecided: at most kMostHeld.
    std::size_t Held() const;
    static constexpr std::size_t kMostHeld = 8;

private:
    static constexpr std::size_t kCodes = 32;
    // Figures or letters, times what came last: another code, a shift, a space.
    static constexpr std::size_t kStates = 6;

    struct Step {
        std::uint8_t from;
        std::uint8_t code;
    };
    // The likeliest codes that lead to one state, since the last code given,
    // and their log-likelihood against the likeliest path's.
    struct Path {
        double score;
        std::array<Step, kMostHeld + 1> steps;
        std::size_t length;
    };

    // Every path ends here: nothing is held.
    void StartAt(std::size_t state);
    std::uint8_t Next(std::uint8_t state, std::uint8_t code) const;
    const Path& Likeliest() const;
    // Gives the oldest code held of the likeliest path.
    void GiveOldest(std::vector<std::uint8_t>& decided);

    bool unshiftOnSpace_;
    std::array<Path, kStates> paths_{};
    // Codes decided in each state, from one each, over about the last
    // kRemembered, and their logarithmic shares.
    std::array<std::array<double, kCodes>, kStates> counts_{};
    std::array<std::array<double, kCodes>, kStates> logShares_{};
};

}  // namespace zorbel::decoder
