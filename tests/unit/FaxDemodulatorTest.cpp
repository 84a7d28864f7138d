// The radiofax demodulator's judgement of a fade: a strong signal faded far
// below its usual strength but still well above the noise is read, not
// thrown away (the chart would fill it from the line above); one faded into
// the noise is marked unknown rather than read as noise's brightness.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <vector>

#include "decoder/FaxDemodulator.h"
#include "decoder/SignalGenerator.h"

namespace zorbel::decoder {
namespace {

constexpr double kRate = 8000.0;
constexpr double kAmplitude = 0.1;
constexpr double kSeconds = 6.0;
constexpr double kDipFrom = 4.0, kDipTo = 4.5;

TEST(FaxDemodulatorTest, AFadeIsUnknownOnlyWhereTheNoiseOutweighsTheSignal) {
    struct Case {
        const char* name;
        double snrDb;
        // The white tone's amplitude in the dip, as a share of its own.
        double dip;
        bool known;
    };
    const Case cases[] = {
        {"+30 dB, faded by 10 dB", 30.0, 0.3, true},
        {"+30 dB, faded by 20 dB", 30.0, 0.1, true},
        {"+30 dB, faded by 50 dB", 30.0, 0.003, false},
        {"+10 dB, faded by 20 dB", 10.0, 0.1, false},
    };
    const FaxMode mode;
    for (const Case& test : cases) {
        SignalShape shape{kRate, kAmplitude};
        std::vector<float> audio(static_cast<std::size_t>(kSeconds * kRate));
        for (std::size_t index = 0; index < audio.size(); ++index) {
            const double seconds = static_cast<double>(index) / kRate;
            const double gain = seconds >= kDipFrom && seconds < kDipTo ? test.dip : 1.0;
            audio[index] = static_cast<float>(gain * kAmplitude *
                                              std::sin(2.0 * std::numbers::pi * mode.FrequencyHz(1.0) * seconds));
        }
        AddNoise(audio, test.snrDb, shape, 7);
        FaxDemodulator demodulator(mode, kRate);
        std::vector<float> brightness;
        demodulator.Demodulate(audio, brightness);
        // The dip's middle, clear of the filter's edges.
        const auto from = static_cast<std::size_t>((kDipFrom + 0.05) * demodulator.BrightnessRate());
        const auto to = static_cast<std::size_t>((kDipTo - 0.05) * demodulator.BrightnessRate());
        int unknown = 0;
        double sum = 0.0;
        for (std::size_t index = from; index < to; ++index) {
            if (brightness[index] < 0.0f) {
                ++unknown;
            } else {
                sum += brightness[index];
            }
        }
        const double unknownShare = static_cast<double>(unknown) / static_cast<double>(to - from);
        const double meanKnown = unknown < static_cast<int>(to - from) ? sum / static_cast<double>(to - from - unknown) : 0.0;
        std::ostringstream state;
        state << test.name << ": " << unknownShare * 100.0 << " % unknown, the rest " << meanKnown << " bright";
        if (test.known) {
            EXPECT_TRUE(unknownShare < 0.01 && meanKnown > 0.95) << state.str();
        } else {
            EXPECT_GT(unknownShare, 0.5) << state.str();
        }
    }
}

}  // namespace
}  // namespace zorbel::decoder
