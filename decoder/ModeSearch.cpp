#include "decoder/ModeSearch.h"

#include <algorithm>
#include <cmath>

#include "decoder/CharacterFramer.h"
#include "decoder/FskDemodulator.h"
#include "decoder/ToneHistory.h"

namespace zorbel::decoder {
namespace {

// The spectrum is averaged over this long, and looked at once it holds about
// a second and a half: a keyed signal's two tones then stand out of the
// noise where they are, and the candidates listen at the right places.
constexpr double kAveragingSeconds = 2.0;
constexpr unsigned kSpectraBeforeLooking = 12;
constexpr double kLowestMarkHz = 300.0;
constexpr double kHighestToneHz = 3000.0;
// A mark told is looked for this close, as the decoder follows it.
constexpr double kToldMarkHz = 100.0;
// Heard before the signal stood out in the spectrum, and read by the
// candidates: the spectrum needs a while to show a weak signal's tones.
constexpr double kLeadSeconds = 6.0;
// The candidates start afresh at another pair of tones only when it stands
// out clearly more than theirs (425 and 450 Hz both show a signal of
// either), or when their own moved this far (another station).
constexpr double kClearlyStronger = 1.5;
constexpr double kMovedHz = 30.0;
// Shifts this close to the one that stands out most stand out almost as
// much: a keyed tone is as wide as the rate. The candidates listen at each.
constexpr double kAlikeShifts = 0.2;
// Pairs of alike shifts share a tone, give or take this much.
constexpr double kSharedToneHz = 20.0;
// Characters in a row framed right that settle a rate, while no other rate
// frames half as many in a row at the same time: a rate 10 % off, or half or
// twice the sender's, frames most characters now and then, but seldom more
// than a few in a row.
constexpr int kSureCharacters = 16;
// Where nothing was sure, the likeliest rate must have framed this many.
constexpr int kLeastFramed = 2;
// Undecided after this long, the search gives what it has.
constexpr double kLongestSearchSeconds = 60.0;

}  // namespace

// The framers of one rate at the tones found, with what they framed.
class ModeSearch::Candidate {
public:
    Candidate(const RttyMode& mode, double sampleRate, bool bothPolarities)
        : mode_(mode), demodulator_(mode, sampleRate), history_(CharacterFramer::HistoryNeeded(mode, sampleRate)) {
        for (const bool swapped : {false, true}) {
            if (swapped && !bothPolarities) break;
            framers_.push_back({CharacterFramer(mode, sampleRate, demodulator_.WindowLength(), swapped, 0)});
        }
    }

    void Add(std::span<const float> samples) {
        for (const float sample : samples) {
            const ToneMagnitudes tones = demodulator_.Next(sample);
            heard_ += std::max(tones.mark, tones.space);
            history_.Add(tones);
            for (Polarity& polarity : framers_) {
                codes_.clear();
                polarity.framer.Read(history_, codes_);
                polarity.read += static_cast<int>(codes_.size());
            }
        }
    }

    const RttyMode& Mode() const { return mode_; }
    // The polarity that framed more characters.
    std::size_t Best() const {
        return framers_.size() > 1 && framers_[1].framer.Framed() > framers_[0].framer.Framed() ? 1 : 0;
    }
    bool Swapped() const { return Best() == 1; }
    int InARow() const {
        int most = 0;
        for (const Polarity& polarity : framers_) most = std::max(most, polarity.framer.FramedInARow());
        return most;
    }
    int Framed() const { return framers_[Best()].framer.Framed(); }
    // Characters framed, weighed by the share framed: a rate twice the
    // sender's reads twice as many and frames about half.
    double Likelihood() const { return Framed() * Share(); }
    // The share of the characters read that framed, in the better polarity.
    double Share() const {
        const Polarity& best = framers_[Best()];
        return best.read > 0 ? static_cast<double>(best.framer.Framed()) / best.read : 0.0;
    }
    // How loud the tones sounded: the stronger one summed over the samples
    // heard. A shift a little off the sender's (170 Hz for 200 Hz, 425 for
    // 450) frames as well, but its tones lie beside the sender's and hear
    // them weaker; candidates of one rate hear alike otherwise, through
    // fades and noise.
    double Loudness() const { return heard_; }
    // Samples since the last character read, or none read.
    std::optional<std::int64_t> SinceLastRead() const {
        std::int64_t last = -1;
        for (const Polarity& polarity : framers_) last = std::max(last, polarity.framer.LastReadAt());
        if (last < 0) return std::nullopt;
        return history_.Received() - last;
    }

private:
    struct Polarity {
        CharacterFramer framer;
        int read = 0;
    };

    RttyMode mode_;
    FskDemodulator demodulator_;
    ToneHistory history_;
    std::vector<Polarity> framers_;
    std::vector<SoftCode> codes_;
    double heard_ = 0.0;
};

ModeSearch::ModeSearch(const RttyMode& mode, double sampleRate, SearchedParts parts)
    : told_(mode), sampleRate_(sampleRate), parts_(parts), spectrum_(sampleRate, kAveragingSeconds) {}

ModeSearch::~ModeSearch() = default;

void ModeSearch::Add(std::span<const float> samples) {
    if (found_) return;
    heard_.insert(heard_.end(), samples.begin(), samples.end());
    bool looked = false;
    for (const float sample : samples) looked |= spectrum_.Add(sample);
    if (candidates_.empty()) {
        // Only the lead is kept while no signal stands out.
        const auto lead = static_cast<std::size_t>(kLeadSeconds * sampleRate_);
        if (heard_.size() > 2 * lead) heard_.erase(heard_.begin(), heard_.end() - static_cast<std::ptrdiff_t>(lead));
    } else {
        for (const auto& candidate : candidates_) candidate->Add(samples);
    }
    if (looked) LookAtSpectrum();
    if (!candidates_.empty()) Decide();
}

void ModeSearch::LookAtSpectrum() {
    if (spectrum_.Averaged() < kSpectraBeforeLooking) return;
    std::vector<double> shifts;
    if (parts_.shift) {
        shifts.assign(std::begin(kSearchedShifts), std::end(kSearchedShifts));
    } else {
        shifts.push_back(told_.shiftHz);
    }
    std::vector<Tones> pairs;
    for (const double shift : shifts) {
        double lowest = kLowestMarkHz;
        double highest = std::min(kHighestToneHz, sampleRate_ / 2.0 - 100.0) - shift;
        if (!parts_.mark) {
            lowest = std::max(lowest, told_.markHz - kToldMarkHz);
            highest = std::min(highest, told_.markHz + kToldMarkHz);
        }
        if (highest <= lowest) continue;
        if (const auto pair = FindTonePair(spectrum_.Power(), spectrum_.BinHz(), shift, lowest, highest)) {
            pairs.push_back({shift, pair->lowerHz, pair->strength});
        }
    }
    if (pairs.empty()) return;
    const Tones best = *std::max_element(pairs.begin(), pairs.end(),
                                         [](const Tones& a, const Tones& b) { return a.strength < b.strength; });
    // How strongly the tones listened to stand out now, and whether they moved.
    double ours = 0.0;
    bool moved = false;
    for (const Tones& pair : pairs) {
        for (const Tones& listened : listened_) {
            if (pair.shiftHz != listened.shiftHz) continue;
            ours = std::max(ours, pair.strength);
            moved |= pair.shiftHz == best.shiftHz && std::abs(pair.markHz - listened.markHz) > kMovedHz;
        }
    }
    if (!listened_.empty() && !moved && !(best.strength > kClearlyStronger * ours)) return;
    listened_.clear();
    for (const Tones& pair : pairs) {
        // Alike where the pairs share a tone.
        const double shiftsApart = std::abs(pair.shiftHz - best.shiftHz);
        if (shiftsApart <= kAlikeShifts * best.shiftHz &&
            std::abs(pair.markHz - best.markHz) <= shiftsApart + kSharedToneHz) {
            listened_.push_back(pair);
        }
    }
    StartCandidates();
}

void ModeSearch::StartCandidates() {
    candidates_.clear();
    std::vector<double> bauds;
    if (parts_.baud) {
        bauds.assign(std::begin(kSearchedBauds), std::end(kSearchedBauds));
    } else {
        bauds.push_back(told_.baud);
    }
    // Heard since the lead began: read from there.
    for (const Tones& tones : listened_) {
        for (const double baud : bauds) {
            RttyMode mode = told_;
            mode.baud = baud;
            mode.shiftHz = tones.shiftHz;
            mode.markHz = tones.markHz;
            if (parts_.polarity) mode.reversed = false;
            candidates_.push_back(std::make_unique<Candidate>(mode, sampleRate_, parts_.polarity));
            candidates_.back()->Add(heard_);
        }
    }
}

void ModeSearch::Decide() {
    for (const auto& candidate : candidates_) {
        if (candidate->InARow() < kSureCharacters) continue;
        const double baud = candidate->Mode().baud;
        const bool othersPoorer = std::all_of(candidates_.begin(), candidates_.end(), [&](const auto& other) {
            return other->Mode().baud == baud || 2 * other->InARow() < candidate->InARow();
        });
        if (!othersPoorer) continue;
        // Of alike shifts at this rate, the one that hears the tones loudest.
        const Candidate* loudest = candidate.get();
        for (const auto& other : candidates_) {
            if (other->Mode().baud == baud && other->Loudness() > loudest->Loudness()) loudest = other.get();
        }
        RttyMode found = loudest->Mode();
        if (parts_.polarity) found.reversed = loudest->Swapped();
        found_ = found;
        return;
    }
    if (static_cast<double>(heard_.size()) > kLongestSearchSeconds * sampleRate_) {
        found_ = Likeliest();
        if (!found_) {
            candidates_.clear();
            heard_.clear();
        }
    }
}

std::optional<RttyMode> ModeSearch::Likeliest() const {
    const Candidate* likeliest = nullptr;
    for (const auto& candidate : candidates_) {
        if (candidate->Framed() >= kLeastFramed &&
            (!likeliest || candidate->Likelihood() > likeliest->Likelihood())) {
            likeliest = candidate.get();
        }
    }
    if (!likeliest) return std::nullopt;
    RttyMode mode = likeliest->Mode();
    if (parts_.polarity) mode.reversed = likeliest->Swapped();
    return mode;
}

bool ModeSearch::EndedUndecided() const {
    bool heard = false;
    for (const auto& candidate : candidates_) {
        const std::optional<std::int64_t> since = candidate->SinceLastRead();
        if (!since) continue;
        if (static_cast<double>(*since) <= kLongSilenceSeconds * sampleRate_) return false;
        heard = true;
    }
    return heard;
}

}  // namespace zorbel::decoder
