#include "decoder/CodeDecision.h"

#include <algorithm>
#include <cmath>

namespace zorbel::decoder {
namespace {

enum Before : std::uint8_t { kAnotherCode, kShift, kSpace };
constexpr std::uint8_t kBefore = 3;
constexpr std::uint8_t kLettersAtStart = 0;
// A path this much less likely than the likeliest one (as a natural
// logarithm: 1 in 22,000) does not hold a code back.
constexpr double kNegligible = 10.0;
// A bit's likelihood beyond all doubt; an infinite one would make the
// paths' scores NaN.
constexpr float kSure = 1e4f;
constexpr double kUnreachable = -HUGE_VAL;
// What is learnt follows the text over about so many codes in each state,
// so that another station's text takes over within minutes.
constexpr double kRemembered = 4096.0;

}  // namespace

CodeDecision::CodeDecision(bool unshiftOnSpace) : unshiftOnSpace_(unshiftOnSpace) {
    for (std::size_t state = 0; state < kStates; ++state) {
        counts_[state].fill(1.0);
        logShares_[state].fill(-std::log(static_cast<double>(kCodes)));
    }
    StartAt(kLettersAtStart);
}

CodeDecision CodeDecision::Afresh() const {
    CodeDecision next = *this;
    next.StartAt(kLettersAtStart);
    return next;
}

void CodeDecision::StartAt(std::size_t state) {
    paths_.fill({kUnreachable, {}, 0});
    paths_[state].score = 0.0;
}

std::uint8_t CodeDecision::Next(std::uint8_t state, std::uint8_t code) const {
    bool figures = state / kBefore != 0;
    Before before = kAnotherCode;
    if (code == kIta2Letters || code == kIta2Figures) {
        figures = code == kIta2Figures;
        before = kShift;
    } else if (code == kIta2Space) {
        figures = figures && !unshiftOnSpace_;
        before = kSpace;
    }
    return static_cast<std::uint8_t>((figures ? kBefore : 0) + before);
}

const CodeDecision::Path& CodeDecision::Likeliest() const {
    return *std::max_element(paths_.begin(), paths_.end(),
                             [](const Path& one, const Path& other) { return one.score < other.score; });
}

std::size_t CodeDecision::Held() const { return Likeliest().length; }

void CodeDecision::Add(const SoftCode& read, std::vector<std::uint8_t>& decided) {
    std::array<double, kCodes> fit{};
    for (int bit = 0; bit < kIta2Bits; ++bit) {
        const float likelihood = read.markLikelihoods[static_cast<std::size_t>(bit)];
        const double half = std::isnan(likelihood) ? 0.0 : std::clamp(likelihood, -kSure, kSure) / 2.0;
        for (std::size_t code = 0; code < kCodes; ++code) fit[code] += ((code >> bit) & 1u) != 0 ? half : -half;
    }
    std::array<Path, kStates> next;
    next.fill({kUnreachable, {}, 0});
    for (std::uint8_t state = 0; state < kStates; ++state) {
        const Path& path = paths_[state];
        if (path.score == kUnreachable) continue;
        for (std::uint8_t code = 0; code < kCodes; ++code) {
            const double score = path.score + fit[code] + logShares_[state][code];
            Path& to = next[Next(state, code)];
            if (score <= to.score) continue;
            to = path;
            to.score = score;
            to.steps[to.length++] = {state, code};
        }
    }
    paths_ = next;
    const double best = Likeliest().score;
    for (Path& path : paths_) path.score -= best;
    // The oldest code is given once no path worth weighing reads it otherwise.
    for (;;) {
        const Path& likeliest = Likeliest();
        if (likeliest.length == 0) return;
        const Step oldest = likeliest.steps[0];
        const bool agreed = std::all_of(paths_.begin(), paths_.end(), [&](const Path& path) {
            return path.score < -kNegligible ||
                   (path.length > 0 && path.steps[0].code == oldest.code && path.steps[0].from == oldest.from);
        });
        if (!agreed && likeliest.length <= kMostHeld) return;
        GiveOldest(decided);
    }
}

void CodeDecision::GiveOldest(std::vector<std::uint8_t>& decided) {
    const Step oldest = Likeliest().steps[0];
    decided.push_back(oldest.code);
    std::array<double, kCodes>& counts = counts_[oldest.from];
    counts[oldest.code] += 1.0;
    double total = 0.0;
    for (const double count : counts) total += count;
    if (total > kRemembered) {
        for (double& count : counts) count /= 2.0;
        total /= 2.0;
    }
    for (std::size_t code = 0; code < kCodes; ++code) logShares_[oldest.from][code] = std::log(counts[code] / total);
    for (Path& path : paths_) {
        if (path.length == 0) continue;
        std::move(path.steps.begin() + 1, path.steps.begin() + static_cast<std::ptrdiff_t>(path.length),
                  path.steps.begin());
        --path.length;
    }
}

void CodeDecision::Flush(std::vector<std::uint8_t>& decided) {
    if (Held() == 0) return;
    while (Held() > 0) GiveOldest(decided);
    // The state the likeliest path ended in is where the next characters
    // start.
    StartAt(static_cast<std::size_t>(&Likeliest() - paths_.data()));
}

}  // namespace zorbel::decoder
