#pragma once
// The parameters of a radiofax broadcast, shared by the decoder and the
// signal generator: a frequency-modulated subcarrier, black at the lower and
// white at the upper frequency, 120 lines a minute, the index of cooperation
// (IOC) fixing the picture elements of a line, the start and stop tones
// (black and white alternating at a rate that names the IOC or the end) and
// the phasing lines before the picture (black with a short white pulse at
// each line's start).

#include <numbers>

namespace zorbel::decoder {

struct FaxMode {
    double centreHz = 1900.0;
    // White lies this far above the centre, black as far below (the DWD
    // sends 425 Hz, most stations 400 Hz).
    double deviationHz = 400.0;
    double linesPerMinute = 120.0;
    int ioc = 576;
    double stopToneHz = 450.0;
    // The white pulse of a phasing line, as a share of the line.
    double phasingPulseShare = 0.05;

    double LineSeconds() const { return 60.0 / linesPerMinute; }
    // The line is pi times the IOC: 576 gives 1809 elements, 288 gives 904.
    int ElementsPerLine() const { return static_cast<int>(ioc * std::numbers::pi); }
    double StartToneHz() const { return ioc == 288 ? 675.0 : 300.0; }
    // From 0, black, to 1, white.
    double FrequencyHz(double brightness) const { return centreHz + deviationHz * (2.0 * brightness - 1.0); }
};

}  // namespace zorbel::decoder
