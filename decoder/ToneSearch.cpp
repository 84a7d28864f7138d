#include "decoder/ToneSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace zorbel::decoder {
namespace {

// A keyed tone spreads over a few bins; three of them hold most of it.
constexpr int kToneHalfWidthBins = 1;
// How far each tone must stand out above the noise to count as one, and how
// much weaker than the strongest tone around it may be (weaker, it is that
// tone's spectral leakage, or a fade too deep to follow).
constexpr double kToneStandsOut = 2.0;
constexpr double kWeakerToneAtLeast = 0.01;
// The spectrum needs no more than this rate for tones up to 3000 Hz; higher
// rates are brought down to it (by a whole factor), which keeps the
// transforms short.
constexpr double kDecimatedRate = 8000.0;
// How much of a recording is listened to at a time for its mark.
constexpr double kFindMarkSeconds = 8.0;

// About 4 Hz per bin at any sample rate: fine enough for 85 Hz shift, short
// enough (a quarter second) to follow a drifting signal.
int SpectrumSize(double sampleRate) {
    return static_cast<int>(std::bit_ceil(static_cast<unsigned>(std::max(64.0, sampleRate / 4.0))));
}

double ToneBinsPower(std::span<const float> power, int centre) {
    double sum = 0.0;
    for (int bin = centre - kToneHalfWidthBins; bin <= centre + kToneHalfWidthBins; ++bin) {
        if (bin >= 0 && bin < static_cast<int>(power.size())) sum += power[static_cast<std::size_t>(bin)];
    }
    return sum;
}

// The noise power per bin around the tones: the median of the bins from a
// little below the lower tone to a little above the upper one, where the
// tones themselves take only a few bins.
double NoisePerBin(std::span<const float> power, double binHz, double lowestHz, double highestHz) {
    const auto first = static_cast<std::size_t>(std::clamp(lowestHz / binHz, 0.0, static_cast<double>(power.size())));
    const auto last = static_cast<std::size_t>(std::clamp(highestHz / binHz, 0.0, static_cast<double>(power.size())));
    if (last <= first) return 0.0;
    std::vector<float> bins(power.begin() + static_cast<std::ptrdiff_t>(first),
                            power.begin() + static_cast<std::ptrdiff_t>(last));
    std::nth_element(bins.begin(), bins.begin() + static_cast<std::ptrdiff_t>(bins.size() / 2), bins.end());
    // The median of noise power lies below its mean; averaging over many
    // spectra brings the two together, so a fixed factor would mislead.
    return bins[bins.size() / 2];
}

// The strongest tone between two frequencies.
double StrongestTone(std::span<const float> power, double binHz, double lowestHz, double highestHz) {
    double strongest = 0.0;
    for (auto bin = static_cast<int>(std::ceil(lowestHz / binHz)); bin * binHz <= highestHz; ++bin) {
        strongest = std::max(strongest, ToneBinsPower(power, bin));
    }
    return strongest;
}

TonePair Measure(std::span<const float> power, double binHz, double lowerHz, double shiftHz, double noisePerBin,
                 double strongestTone) {
    const double lower = ToneBinsPower(power, static_cast<int>(std::lround(lowerHz / binHz)));
    const double upper = ToneBinsPower(power, static_cast<int>(std::lround((lowerHz + shiftHz) / binHz)));
    const double noise = noisePerBin * (2 * kToneHalfWidthBins + 1);
    if (noise <= 0.0) {
        // Silence, or a signal with no noise at all.
        const bool any = lower + upper > 0.0;
        return {lowerHz, any ? HUGE_VAL : 0.0, false};
    }
    const double floor = std::max(kToneStandsOut * noise, kWeakerToneAtLeast * strongestTone);
    return {lowerHz, (lower + upper) / (2.0 * noise), lower > floor && upper > floor};
}

}  // namespace

AveragedSpectrum::AveragedSpectrum(double sampleRate, double averagingSeconds)
    : decimation_(static_cast<unsigned>(std::max(1.0, std::floor(sampleRate / kDecimatedRate)))),
      spectrum_(SpectrumSize(sampleRate / decimation_), sampleRate / decimation_),
      latest_(static_cast<std::size_t>(spectrum_.Size())),
      hop_(latest_.size() / 2),
      weight_(static_cast<float>(
          std::min(1.0, static_cast<double>(hop_) * decimation_ / (sampleRate * averagingSeconds)))),
      average_(latest_.size() / 2) {}

bool AveragedSpectrum::Add(float sample) {
    // The mean of each few samples: a coarse low-pass before dropping the
    // rate, good enough for finding tones.
    decimated_ += sample;
    if (++decimatedCount_ < decimation_) return false;
    latest_[filled_++] = decimated_ / static_cast<float>(decimation_);
    decimated_ = 0.0f;
    decimatedCount_ = 0;
    if (filled_ < latest_.size()) return false;
    const std::span<const float> power = spectrum_.Power(latest_);
    // A plain mean until enough spectra have come, then a moving average,
    // so that the first spectrum does not linger.
    ++averaged_;
    const float weight = std::max(weight_, 1.0f / static_cast<float>(averaged_));
    for (std::size_t bin = 0; bin < average_.size(); ++bin) average_[bin] += weight * (power[bin] - average_[bin]);
    // The transforms overlap by half, so that no stretch of signal falls
    // only under the window's low edges.
    std::copy(latest_.begin() + static_cast<std::ptrdiff_t>(hop_), latest_.end(), latest_.begin());
    filled_ -= hop_;
    return true;
}

std::optional<TonePair> FindTonePair(std::span<const float> power, double binHz, double shiftHz, double lowestHz,
                                     double highestHz) {
    const double noisePerBin = NoisePerBin(power, binHz, lowestHz - 100.0, highestHz + shiftHz + 100.0);
    const double strongestTone = StrongestTone(power, binHz, lowestHz, highestHz + shiftHz);
    const auto scoreAt = [&](int bin) {
        const TonePair pair = Measure(power, binHz, bin * binHz, shiftHz, noisePerBin, strongestTone);
        return pair.bothStandOut ? pair.strength : 0.0;
    };
    int best = -1;
    double bestScore = 0.0;
    for (auto bin = static_cast<int>(std::ceil(lowestHz / binHz)); bin * binHz <= highestHz; ++bin) {
        const double score = scoreAt(bin);
        if (score > bestScore) {
            best = bin;
            bestScore = score;
        }
    }
    if (best < 0) return std::nullopt;
    // A parabola through the best score and its neighbours places the pair
    // between bins.
    const double before = scoreAt(best - 1);
    const double after = scoreAt(best + 1);
    const double curvature = before - 2.0 * bestScore + after;
    const double offset = curvature < 0.0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
    return Measure(power, binHz, (best + offset) * binHz, shiftHz, noisePerBin, strongestTone);
}

std::optional<double> FindMark(std::span<const float> samples, double sampleRate, const RttyMode& mode) {
    // A few seconds at a time, overlapping by half, until a signal stands
    // out: a recording may start with a long stretch of noise.
    const auto window = static_cast<std::size_t>(kFindMarkSeconds * sampleRate);
    const double highest = std::min(3000.0, sampleRate / 2.0 - mode.shiftHz - 100.0);
    for (std::size_t start = 0; start == 0 || start + window / 2 < samples.size(); start += window / 2) {
        AveragedSpectrum spectrum(sampleRate, kFindMarkSeconds);
        for (const float sample : samples.subspan(start, std::min(window, samples.size() - start))) spectrum.Add(sample);
        if (spectrum.Averaged() == 0) return std::nullopt;
        const std::optional<TonePair> pair =
            FindTonePair(spectrum.Power(), spectrum.BinHz(), mode.shiftHz, 300.0, highest);
        if (pair) return pair->lowerHz;
    }
    return std::nullopt;
}

}  // namespace zorbel::decoder
