#pragma once
// Watches the averaged spectrum around the tones the user set and follows a
// signal that lies or drifts up to 100 Hz off them (the AFC).

#include "decoder/RttyMode.h"
#include "decoder/ToneSearch.h"

namespace zorbel::decoder {

class SignalWatch {
public:
    SignalWatch(const RttyMode& mode, double sampleRate);

    // Takes one sample; true when the followed mark has just moved.
    bool Add(float sample);

    // The mark setting (the lower tone) the signal has now.
    double MarkHz() const { return markHz_; }

private:
    AveragedSpectrum spectrum_;
    double setMarkHz_;
    double shiftHz_;
    double markHz_;
};

}  // namespace zorbel::decoder
