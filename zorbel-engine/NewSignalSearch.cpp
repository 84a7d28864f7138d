#include "zorbel-engine/NewSignalSearch.h"

#include <algorithm>
#include <cmath>

namespace zorbel::engine_side {
namespace {

// Nothing read for this long: the station listened to is gone (or was never there).
constexpr double kQuietSeconds = 4.0;
// The spectrum looked at: long enough for a keyed signal's two tones to stand out of the noise.
constexpr double kAveragingSeconds = 2.0;
// Kept to read again: the quiet wait covers the new signal's start.
constexpr double kHeardSeconds = kQuietSeconds + 1.0;
// The decoder follows a signal this close to its tones by itself.
constexpr double kFollowedHz = 100.0;
constexpr double kLowestMarkHz = 300.0;
constexpr double kHighestToneHz = 3000.0;

}  // namespace

NewSignalSearch::NewSignalSearch(double sampleRate)
    : sampleRate_(sampleRate), spectrum_(std::make_unique<decoder::AveragedSpectrum>(sampleRate, kAveragingSeconds)) {}

std::optional<double> NewSignalSearch::Hear(std::span<const float> samples, bool read, double markHz, double shiftHz) {
    const auto keep = static_cast<std::size_t>(kHeardSeconds * sampleRate_);
    const auto tail = samples.size() > keep ? samples.subspan(samples.size() - keep) : samples;
    heard_.insert(heard_.end(), tail.begin(), tail.end());
    if (heard_.size() > keep) heard_.erase(heard_.begin(), heard_.end() - static_cast<std::ptrdiff_t>(keep));
    quietSamples_ = read ? 0 : quietSamples_ + samples.size();

    bool updated = false;
    for (const float sample : samples) updated |= spectrum_->Add(sample);
    if (!updated || quietSamples_ < kQuietSeconds * sampleRate_) return std::nullopt;
    const double highest = std::min(kHighestToneHz, sampleRate_ / 2.0 - 100.0) - shiftHz;
    const auto pair = decoder::FindTonePair(spectrum_->Power(), spectrum_->BinHz(), shiftHz, kLowestMarkHz, highest);
    if (!pair || std::abs(pair->lowerHz - markHz) <= kFollowedHz) return std::nullopt;
    return std::round(pair->lowerHz);
}

}  // namespace zorbel::engine_side
