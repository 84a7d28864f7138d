#pragma once
// Makes RTTY and SITOR-B test signals: text sent as ITA2 or CCIR 476 in
// continuous-phase FSK, with the flaws of a sender and a radio path on
// demand (a sender off its rate, silence before and after the transmission,
// a slow frequency drift, selective fading of the mark tone, two-path fading
// as on HF), and white noise added for a given signal-to-noise ratio.

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
    // Nothing (only the noise added later) before the lead and after the
    // tail: a transmission that starts and ends in the noise.
    double silenceBeforeSeconds = 0.0;
    double silenceAfterSeconds = 0.0;
    // The sender's rate lies this share above the mode's (0.01: 1 % fast).
    double rateOff = 0.0;
    // Both tones move by this much each second from where the mode puts them.
    double driftHzPerSecond = 0.0;
    // Selective fading: the mark tone sinks by up to this much and comes
    // back, smoothly, once per period; 0 leaves it steady.
    double markFadeDb = 0.0;
    // The space tone fades so instead of the mark tone.
    bool spaceFades = false;
    double fadePeriodSeconds = 3.0;
};

std::vector<float> GenerateRtty(std::string_view text, const RttyMode& mode, const SignalShape& shape);

// SITOR-B as NAVTEX sends it (see FecTransmission): phasing through the
// lead, then the text's characters each twice, then the end of emission;
// no carrier before or after, so the tail is RTTY's only. The mode's baud
// and tones apply (its stop bits do not); 1, the B state, on the mode's
// mark tone.
std::vector<float> GenerateSitorB(std::string_view text, const RttyMode& mode, const SignalShape& shape);

// Adds Gaussian white noise so that the ratio of the signal's power (a sine
// of the given amplitude) to the noise power in 3 kHz is snrDb. The same seed
// gives the same noise on every platform.
void AddNoise(std::vector<float>& samples, double snrDb, const SignalShape& shape, std::uint64_t seed);

// An HF path as Watterson modelled it (the ITU-R's two-path channel): two
// equally strong paths, the second delayed, each fading by its own complex
// Gaussian process whose Doppler spectrum is Gaussian, spreadHz wide (twice
// its standard deviation).
struct FadingPaths {
    double delaySeconds;
    double spreadHz;
};
inline constexpr FadingPaths kGoodPaths{0.0005, 0.1};
inline constexpr FadingPaths kModeratePaths{0.001, 0.5};
inline constexpr FadingPaths kPoorPaths{0.002, 1.0};

// Passes any audio through the two paths; the average power stays as it was,
// so noise added afterwards gives the average signal-to-noise ratio.
void ApplyFading(std::vector<float>& samples, const FadingPaths& paths, double sampleRate, std::uint64_t seed);

}  // namespace zorbel::decoder
