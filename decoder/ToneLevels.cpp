#include "decoder/ToneLevels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorbel::decoder {
namespace {

// The steady levels follow over about this many bits of their tone, so that
// noise in single bits averages out.
constexpr double kSteadyBits = 32.0;
// A tone's level over the bits around counts once it lies this many of its
// standard errors off the steady one: then the tone is fading.
constexpr double kFading = 3.0;
// Two levels closer than this many standard errors of their difference are
// one: comparing the tones as they are then loses nothing to the noise of
// learning them.
constexpr double kAlike = 1.0;
// A tone counts as faded for framing below this share of the other's
// steady level and this many deviations of the noise.
constexpr double kSteadilyFaded = 0.7;
constexpr double kNearNoise = 6.0;
// The noise counts as at least this share of the stronger level: in a clean
// signal a level learnt a little off must not overrule the tones.
constexpr double kLeastNoiseShare = 0.05;

// The magnitude of a tone not sent is Rayleigh distributed; its mean is
// sqrt(pi / 2) times the deviation of the noise in each of its two parts.
const double kRayleighMean = std::sqrt(std::numbers::pi / 2.0);

// ln I0(z), the modified Bessel function's logarithm: its series below 3,
// the asymptotic expansion above (both within 0.01).
double LogBesselI0(double z) {
    if (z < 3.0) {
        const double q = z * z / 4.0;
        return std::log(1.0 + q * (1.0 + q / 4.0 * (1.0 + q / 9.0 * (1.0 + q / 16.0 * (1.0 + q / 25.0)))));
    }
    return z - 0.5 * std::log(2.0 * std::numbers::pi * z) + std::log(1.0 + 1.0 / (8.0 * z) + 9.0 / (128.0 * z * z));
}

// How much likelier the magnitude is with a tone of this level sent than
// with the noise alone (Rice against Rayleigh), as a logarithm.
double LogLikelihood(double magnitude, double level, double deviationSquared) {
    return LogBesselI0(level * magnitude / deviationSquared) - level * level / (2.0 * deviationSquared);
}

}  // namespace

ToneLevels::Sent ToneLevels::SentAmong(std::span<const Bit> bits, bool mark) {
    Sent sent;
    for (const Bit& bit : bits) {
        if (bit.mark != mark) continue;
        sent.sum += mark ? bit.tones.mark : bit.tones.space;
        ++sent.count;
    }
    return sent;
}

float ToneLevels::Soft(ToneMagnitudes tones) const {
    // Levels learnt from the bits just read lag a fast fade, and misled by
    // them the edges and the start and stop bits would go more often than
    // by comparing the tones. So they count here only where one tone has
    // faded, steadily, well below the other and near the noise.
    const double weaker = std::min(steadyMark_, steadySpace_);
    const bool faded = markLearnt_ > 0 && spaceLearnt_ > 0 &&
                       weaker < kSteadilyFaded * std::max(steadyMark_, steadySpace_) &&
                       weaker < kNearNoise * noise_ / kRayleighMean;
    if (!faded) return tones.mark - tones.space;
    return FromSent(tones, recentMark_, recentSpace_);
}

float ToneLevels::SoftAmong(ToneMagnitudes tones, std::span<const Bit> around) const {
    return FromSent(tones, SentAmong(around, true), SentAmong(around, false));
}

float ToneLevels::FromSent(ToneMagnitudes tones, Sent mark, Sent space) const {
    if (markLearnt_ == 0 || spaceLearnt_ == 0) return tones.mark - tones.space;
    const double deviation = noise_ / kRayleighMean;
    // A tone's level and the number of bits it is learnt from.
    struct Level {
        double value;
        double bits;
    };
    const auto level = [&](double steady, unsigned learnt, Sent sent) {
        Level chosen{steady, std::min<double>(learnt, kSteadyBits)};
        if (sent.count > 0) {
            const double recent = sent.sum / sent.count;
            if (std::abs(recent - steady) >= kFading * deviation / std::sqrt(sent.count)) {
                chosen = {recent, static_cast<double>(sent.count)};
            }
        }
        return chosen;
    };
    Level markLevel = level(steadyMark_, markLearnt_, mark);
    Level spaceLevel = level(steadySpace_, spaceLearnt_, space);
    if (std::abs(markLevel.value - spaceLevel.value) <
        kAlike * deviation * std::sqrt(1.0 / markLevel.bits + 1.0 / spaceLevel.bits)) {
        markLevel.value = spaceLevel.value = 0.5 * (markLevel.value + spaceLevel.value);
    }
    const double stronger = std::max(markLevel.value, spaceLevel.value);
    if (!(stronger > 0.0)) return tones.mark - tones.space;
    const double least = kLeastNoiseShare * stronger;
    const double deviationSquared = std::max(deviation * deviation, least * least);
    return static_cast<float>(LogLikelihood(tones.mark, std::max(0.0, markLevel.value), deviationSquared) -
                              LogLikelihood(tones.space, std::max(0.0, spaceLevel.value), deviationSquared));
}

void ToneLevels::Learn(ToneMagnitudes tones, bool mark) {
    // A plain mean of the first bits, so that the start needs no guess.
    if (mark) {
        ++markLearnt_;
        steadyMark_ += (tones.mark - steadyMark_) / std::min<double>(markLearnt_, kSteadyBits);
    } else {
        ++spaceLearnt_;
        steadySpace_ += (tones.space - steadySpace_) / std::min<double>(spaceLearnt_, kSteadyBits);
    }
    if (recentCount_ == recent_.size()) {
        std::move(recent_.begin() + 1, recent_.end(), recent_.begin());
        --recentCount_;
    }
    recent_[recentCount_++] = {tones, mark};
    recentMark_ = SentAmong(Recent(), true);
    recentSpace_ = SentAmong(Recent(), false);
}

void ToneLevels::ForgetRecent() {
    recentCount_ = 0;
    recentMark_ = recentSpace_ = Sent{};
}

}  // namespace zorbel::decoder
