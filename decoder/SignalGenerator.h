#pragma once
// Makes RTTY test signals: text sent as ITA2 in continuous-phase FSK, with
// the flaws of a radio path on demand (a slow frequency drift, selective
// fading of the mark tone), and white noise added for a given
// signal-to-noise ratio.

#include <cstdint>
#include <string_view>
#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::decoder {

struct SignalShape {
    double sampleRate = 8000.0;
    double amplitude = 0.5;
    // Mark carrier before the first and after the last character.
    double leadSeconds = 0.5;
    double tailSeconds = 0.5;
    // Both tones move by this much each second from where the mode puts them.
    double driftHzPerSecond = 0.0;
    // Selective fading: the mark tone sinks by up to this much and comes
    // back, smoothly, once per period; 0 leaves it steady.
    double markFadeDb = 0.0;
    double fadePeriodSeconds = 3.0;
};

std::vector<float> GenerateRtty(std::string_view text, const RttyMode& mode, const SignalShape& shape);

// Adds Gaussian white noise so that the ratio of the signal's power (a sine
// of the given amplitude) to the noise power in 3 kHz is snrDb. The same seed
// gives the same noise on every platform.
void AddNoise(std::vector<float>& samples, double snrDb, const SignalShape& shape, std::uint64_t seed);

}  // namespace zorbel::decoder
