#pragma once
// Finding an RTTY signal's two tones in an averaged spectrum: the pair of
// peaks one shift apart that stands out most above the noise. The decoder's
// frequency following looks at the same picture, and so does the search for
// the mark of a recording.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "decoder/RttyMode.h"
#include "decoder/Spectrum.h"

namespace zorbel::decoder {

// The power spectrum of a stream of samples, averaged over the last seconds.
class AveragedSpectrum {
public:
    AveragedSpectrum(double sampleRate, double averagingSeconds);

    // Takes one sample; true when the average has just been brought up to
    // date (a few times per second).
    bool Add(float sample);

    std::span<const float> Power() const { return average_; }
    double BinHz() const { return spectrum_.BinHz(); }
    // How many spectra the average holds so far.
    unsigned Averaged() const { return averaged_; }

private:
    unsigned decimation_;
    float decimated_ = 0.0f;
    unsigned decimatedCount_ = 0;
    Spectrum spectrum_;
    std::vector<float> latest_;
    std::size_t filled_ = 0;
    std::size_t hop_;
    float weight_;
    unsigned averaged_ = 0;
    std::vector<float> average_;
};

struct TonePair {
    double lowerHz;
    // The power of both tones against that of the noise in the same width:
    // about 1 for noise alone.
    double strength;
    // Whether each tone by itself stands out above the noise and is no mere
    // leakage of a stronger one (known only where pairs are searched).
    bool bothStandOut;
};

// The strongest pair whose lower tone lies between lowestHz and highestHz
// and whose tones both stand out, if any, with its lower tone placed between
// the bins.
std::optional<TonePair> FindTonePair(std::span<const float> power, double binHz, double shiftHz, double lowestHz,
                                     double highestHz);

// The mark setting (the lower tone, whatever the polarity) of the first RTTY
// signal in a recording, for the mode's shift, wherever it starts; nothing
// if no signal stands out between 300 and 3000 Hz.
std::optional<double> FindMark(std::span<const float> samples, double sampleRate, const RttyMode& mode);

}  // namespace zorbel::decoder
