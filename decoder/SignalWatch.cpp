#include "decoder/SignalWatch.h"

#include <cmath>

namespace zorbel::decoder {
namespace {

constexpr double kAveragingSeconds = 1.0;
constexpr double kFollowedHz = 100.0;
// Smaller corrections are noise in the spectrum, not drift.
constexpr double kSmallestMoveHz = 0.5;
// The first few spectra are too noisy to move the tones by; after that each
// correction goes half the way, so a stray one does little harm.
constexpr unsigned kSpectraBeforeFollowing = 6;
constexpr double kFollowing = 0.5;

}  // namespace

SignalWatch::SignalWatch(const RttyMode& mode, double sampleRate)
    : spectrum_(sampleRate, kAveragingSeconds), setMarkHz_(mode.markHz), shiftHz_(mode.shiftHz), markHz_(mode.markHz) {}

bool SignalWatch::Add(float sample) {
    if (!spectrum_.Add(sample)) return false;
    const double before = markHz_;
    const std::optional<TonePair> found =
        spectrum_.Averaged() < kSpectraBeforeFollowing
            ? std::nullopt
            : FindTonePair(spectrum_.Power(), spectrum_.BinHz(), shiftHz_, setMarkHz_ - kFollowedHz,
                           setMarkHz_ + kFollowedHz);
    if (found && std::abs(found->lowerHz - markHz_) >= kSmallestMoveHz) {
        markHz_ += kFollowing * (found->lowerHz - markHz_);
    }
    return markHz_ != before;
}

}  // namespace zorbel::decoder
