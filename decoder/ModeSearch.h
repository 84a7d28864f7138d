#pragma once
// Finds the baud and shift of an RTTY signal from the signal itself. The
// shift and the tones come from the averaged spectrum: of the shifts in use,
// the one whose pair of tones stands out most. The baud is found by framing:
// a framer per candidate rate (in both polarities, unless one is told) reads
// the samples heard since the signal came, and the rate whose characters
// have their start and stop bits in place run after run, while the other
// rates' do not, is the sender's. Every sample since the search began (a few
// seconds before the signal stood out) is kept, so that the mode found can
// read the transmission again from its first character.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "decoder/RttyMode.h"
#include "decoder/ToneSearch.h"

namespace zorbel::decoder {

// The rates and shifts on the air that the search tells apart.
inline constexpr double kSearchedBauds[] = {45.45, 50.0, 75.0, 100.0};
inline constexpr double kSearchedShifts[] = {85.0, 170.0, 200.0, 425.0, 450.0, 850.0};

struct SearchedParts {
    // What is not searched holds as the mode has it.
    bool baud = true;
    bool shift = true;
    // The tones anywhere in the band, or near the mode's mark.
    bool mark = true;
    // Both polarities tried, or the mode's.
    bool polarity = true;
};

class ModeSearch {
public:
    // mode: what is told (its stop bits, and what parts does not search).
    ModeSearch(const RttyMode& mode, double sampleRate, SearchedParts parts);
    ~ModeSearch();

    void Add(std::span<const float> samples);

    // The mode found: its rate and shift, the mark setting (the lower tone)
    // found in the spectrum, its polarity the one that framed best.
    std::optional<RttyMode> Found() const { return found_; }
    // Where nothing was sure (a short or weak transmission): the rate that
    // framed the most characters, if any framed.
    std::optional<RttyMode> Likeliest() const;
    // Whether a candidate framed characters and then heard nothing for a
    // long silence: the transmission ended undecided.
    bool EndedUndecided() const;
    // The samples from where the candidates started on, to be read again in
    // the mode found.
    std::span<const float> Heard() const { return heard_; }

private:
    class Candidate;
    // A shift's pair of tones in the spectrum.
    struct Tones {
        double shiftHz;
        double markHz;
        double strength;
    };

    void LookAtSpectrum();
    void StartCandidates();
    void Decide();

    RttyMode told_;
    double sampleRate_;
    SearchedParts parts_;
    AveragedSpectrum spectrum_;
    std::vector<float> heard_;
    // Where the candidates listen: the shift that stood out most and the
    // ones alike it.
    std::vector<Tones> listened_;
    std::vector<std::unique_ptr<Candidate>> candidates_;
    std::optional<RttyMode> found_;
};

}  // namespace zorbel::decoder
