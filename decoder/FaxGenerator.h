#pragma once
// Makes radiofax test signals: a chart sent as a station sends it (start
// tone, phasing lines, the picture, stop tone, black), through the sender's
// and the path's flaws that SignalGenerator.h offers (noise and fading are
// added afterwards with its AddNoise and ApplyFading).

#include <vector>

#include "decoder/FaxMode.h"
#include "decoder/GreyImage.h"
#include "decoder/SignalGenerator.h"

namespace zorbel::decoder {

// The parts of a broadcast around the picture; a part of length 0 is left
// out, as by a station that sends no tones or a recording that begins late.
struct FaxTransmission {
    double startToneSeconds = 5.0;
    int phasingLines = 60;
    double stopToneSeconds = 5.0;
    double blackSeconds = 10.0;
};

// The chart's rows, each spread over a line. Of the shape, the sample rate, the amplitude, the silences before and
// after and rateOff apply (a sender's or sound card's clock off by rateOff:
// the lines come that share faster).
std::vector<float> GenerateFax(const GreyImage& chart, const FaxMode& mode, const FaxTransmission& transmission,
                               const SignalShape& shape);

}  // namespace zorbel::decoder
