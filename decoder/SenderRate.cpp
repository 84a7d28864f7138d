#include "decoder/SenderRate.h"

namespace zorbel::decoder {
namespace {

// Each edge weighs this much less than the next: a memory of a few hundred
// characters, as a sender's rate stays put.
constexpr double kForgetting = 1.0 / 256.0;
// The set length counts as much as this spread of edges: a few characters
// of a run outweigh it.
constexpr double kSetLengthWeight = 2.0;
// A run this long starts anew, so that the sums stay small.
constexpr int kLongestRun = 4096;

}  // namespace

void SenderRate::Add(int slot, double edge) {
    if (run_.weight == 0.0) {
        firstSlot_ = slot;
        firstEdge_ = edge;
    } else if (slot - firstSlot_ > kLongestRun) {
        EndRun();
        Add(slot, edge);
        return;
    }
    const double keep = 1.0 - kForgetting;
    spread_ *= keep;
    covariance_ *= keep;
    run_.weight = run_.weight * keep + 1.0;
    const double x = slot - firstSlot_;
    const double y = edge - firstEdge_;
    run_.slot = run_.slot * keep + x;
    run_.edge = run_.edge * keep + y;
    run_.slotSquared = run_.slotSquared * keep + x * x;
    run_.slotEdge = run_.slotEdge * keep + x * y;
}

void SenderRate::EndRun() {
    spread_ += run_.Spread();
    covariance_ += run_.Covariance();
    run_ = Sums{};
}

void SenderRate::Restart(double characterLength) {
    *this = SenderRate(characterLength);
}

double SenderRate::CharacterLength() const {
    return (covariance_ + run_.Covariance() + kSetLengthWeight * set_) / (spread_ + run_.Spread() + kSetLengthWeight);
}

}  // namespace zorbel::decoder
