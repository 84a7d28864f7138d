#pragma once
// While the receiver reads nothing at its tones, looks over the whole band
// (300 to 3000 Hz) for an RTTY signal of the set shift elsewhere, so that the
// engine takes up a station that starts away from where it listened last. It
// keeps the last seconds heard, so that the new signal's first characters are
// read too once the receiver has moved there.

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "decoder/ToneSearch.h"

namespace zorbel::engine_side {

class NewSignalSearch {
public:
    explicit NewSignalSearch(double sampleRate);

    // Takes the samples just decoded; read: whether they gave a character.
    // The mark setting (lower tone) of a signal that stands out farther
    // from markHz than the decoder follows by itself, once nothing has been
    // read for a while.
    std::optional<double> Hear(std::span<const float> samples, bool read, double markHz, double shiftHz);

    // The last seconds heard, to be read again at the new tones.
    std::span<const float> Heard() const { return heard_; }
    // Starts counting the quiet afresh (after moving or a new mode).
    void Restart() { quietSamples_ = 0; }

private:
    double sampleRate_;
    std::unique_ptr<decoder::AveragedSpectrum> spectrum_;
    std::vector<float> heard_;
    std::size_t quietSamples_ = 0;
};

}  // namespace zorbel::engine_side
