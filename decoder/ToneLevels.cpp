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
// For framing, a tone counts as faded below this share of the other's
// steady level, or below the second share and this many deviations of the
// noise.
constexpr double kFarBelow = 0.5;
constexpr double kBelow = 0.7;
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

ToneLevels::Seen ToneLevels::SeenAmong(std::span<const Bit> bits, bool mark) {
    Seen seen;
    for (const Bit& bit : bits) {
        if (bit.mark != mark) continue;
        seen.sentSum += mark ? bit.tones.mark : bit.tones.space;
        ++seen.sent;
    }
    return seen;
}

bool ToneLevels::ToneFaded() const {
    const double weaker = std::min(mark_.sent, space_.sent);
    const double stronger = std::max(mark_.sent, space_.sent);
    return mark_.sentLearnt > 0 && space_.sentLearnt > 0 &&
           (weaker < kFarBelow * stronger || (weaker < kBelow * stronger && weaker < kNearNoise * noise_ / kRayleighMean));
}

float ToneLevels::Soft(ToneMagnitudes tones) const {
    // Levels learnt from the bits just read lag a fast fade, and misled by
    // them the edges and the start and stop bits would go more often than
    // by comparing the tones. So they count here only where one tone has
    // faded steadily; then they must, or every edge between the tones would
    // seem to lie late or early, where the strong tone's fall or rise meets
    // the faded one's.
    if (!ToneFaded()) return tones.mark - tones.space;
    return FromSeen(tones, recentMark_, recentSpace_, false);
}

float ToneLevels::SoftAmong(ToneMagnitudes tones, std::span<const Bit> around) const {
    return FromSeen(tones, SeenAmong(around, true), SeenAmong(around, false), true);
}

ToneLevels::Level ToneLevels::LevelOf(const Steady& steady, const Seen& seen) const {
    // The magnitude where the tone is not sent: the noise, and the other
    // tone's leakage where that is stronger.
    double notSent = steady.notSentLearnt > 0 ? std::max(noise_, steady.notSent) : noise_;
    Level level{steady.sent, std::min<double>(steady.sentLearnt, kSteadyBits), notSent / kRayleighMean};
    if (seen.sent > 0) {
        const double around = seen.sentSum / seen.sent;
        if (std::abs(around - steady.sent) >= kFading * level.deviation / std::sqrt(seen.sent)) {
            level.sent = around;
            level.bits = seen.sent;
        }
    }
    return level;
}

float ToneLevels::FromSeen(ToneMagnitudes tones, const Seen& markSeen, const Seen& spaceSeen,
                           bool alikeWeighed) const {
    if (mark_.sentLearnt == 0 || space_.sentLearnt == 0) {
        if (!alikeWeighed) return tones.mark - tones.space;
        // Nothing learnt yet: the stronger tone is as much as is known of
        // the level.
        return AtLevel(tones, std::max(tones.mark, tones.space));
    }
    Level mark = LevelOf(mark_, markSeen);
    Level space = LevelOf(space_, spaceSeen);
    const double deviation = std::max(mark.deviation, space.deviation);
    if (std::abs(mark.sent - space.sent) < kAlike * deviation * std::sqrt(1.0 / mark.bits + 1.0 / space.bits)) {
        if (!alikeWeighed) return tones.mark - tones.space;
        mark.sent = space.sent = (mark.sent + space.sent) / 2.0;
        mark.deviation = space.deviation = deviation;
    }
    return Weighed(tones, mark, space);
}

float ToneLevels::AtLevel(ToneMagnitudes tones, double level) const {
    const Level both{level, 1.0, noise_ / kRayleighMean};
    return Weighed(tones, both, both);
}

float ToneLevels::SoftFaded(ToneMagnitudes tones, double level) const {
    if (ToneFaded()) return FromSeen(tones, recentMark_, recentSpace_, true);
    return AtLevel(tones, level);
}

float ToneLevels::Weighed(ToneMagnitudes tones, const Level& mark, const Level& space) const {
    const double stronger = std::max(mark.sent, space.sent);
    // Levels learnt from silence say nothing.
    if (!(stronger > 0.0)) return tones.mark - tones.space;
    const double least = kLeastNoiseShare * stronger;
    const auto likelihood = [&](double magnitude, const Level& level) {
        const double deviationSquared = std::max(level.deviation * level.deviation, least * least);
        return LogLikelihood(magnitude, std::max(0.0, level.sent), deviationSquared);
    };
    return static_cast<float>(likelihood(tones.mark, mark) - likelihood(tones.space, space));
}

void ToneLevels::Steady::Learn(double magnitude, bool isSent) {
    // A plain mean of the first bits, so that the start needs no guess.
    double& level = isSent ? sent : notSent;
    unsigned& learnt = isSent ? sentLearnt : notSentLearnt;
    ++learnt;
    level += (magnitude - level) / std::min<double>(learnt, kSteadyBits);
}

void ToneLevels::Learn(ToneMagnitudes tones, bool mark) {
    mark_.Learn(tones.mark, mark);
    space_.Learn(tones.space, !mark);
    if (recentCount_ == recent_.size()) {
        std::move(recent_.begin() + 1, recent_.end(), recent_.begin());
        --recentCount_;
    }
    recent_[recentCount_++] = {tones, mark};
    recentMark_ = SeenAmong(Recent(), true);
    recentSpace_ = SeenAmong(Recent(), false);
}

void ToneLevels::ForgetRecent() {
    recentCount_ = 0;
    recentMark_ = recentSpace_ = Seen{};
}

}  // namespace zorbel::decoder
