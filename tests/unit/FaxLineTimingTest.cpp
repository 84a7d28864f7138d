// Where a chart's lines start and how long they are: through phasing lines
// whose white pulse a fade took while their black stayed (two paths cancel at
// some frequencies only, so on a fading path the white's frequency may vanish
// for seconds at the phasing's start or end), which neither move the line's
// start nor end the phasing early; and from a weak signal, whose phasing tells
// the length only roughly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <vector>

#include "decoder/FaxDemodulator.h"
#include "decoder/FaxLineTiming.h"
#include "decoder/FaxTestCharts.h"

namespace zorbel::decoder {
namespace {

constexpr double kBrightnessRate = 8000.0;
constexpr int kPhasingLines = 60;
// The reception began within a line.
constexpr double kFirstPulse = 1234.0;

struct Reception {
    // The pulses of these phasing lines unknown but for their last tenth, as
    // the fade had begun to lift there.
    int fadedFrom = 0;
    int fadedTo = 0;
    int pictureLines = 120;
    // A weak signal: each pulse moved by up to so many samples, the picture
    // this noisy.
    int pulseJitter = 0;
    float pictureNoise = 0.0f;
};

// Phasing lines, then a chart, as brightness.
std::vector<float> Brightness(const Reception& reception) {
    const FaxMode mode;
    const auto line = static_cast<std::size_t>(mode.LineSeconds() * kBrightnessRate);
    const auto pulse = static_cast<std::size_t>(mode.phasingPulseShare * static_cast<double>(line));
    const GreyImage chart = MakeTestChart(mode.ElementsPerLine(), reception.pictureLines, 3);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> noise(-0.05f, 0.05f);
    std::uniform_real_distribution<float> pictureNoise(-reception.pictureNoise, reception.pictureNoise);
    std::uniform_int_distribution<int> jitter(-reception.pulseJitter, reception.pulseJitter);
    std::vector<float> brightness(static_cast<std::size_t>(kFirstPulse), 0.0f);
    for (int row = 0; row < kPhasingLines; ++row) {
        const bool faded = row >= reception.fadedFrom && row < reception.fadedTo;
        const auto pulseFrom = static_cast<std::size_t>(reception.pulseJitter + jitter(random));
        for (std::size_t index = 0; index < line; ++index) {
            const bool white = index >= pulseFrom && index < pulseFrom + pulse;
            const bool unknown = faded && index < pulse * 9 / 10;
            brightness.push_back(unknown ? kUnknownBrightness : (white ? 0.95f : 0.05f) + noise(random));
        }
    }
    for (int row = 0; row < reception.pictureLines; ++row) {
        for (std::size_t index = 0; index < line; ++index) {
            const auto column = static_cast<int>(index * static_cast<std::size_t>(chart.width) / line);
            const float grey = static_cast<float>(chart.At(column, row)) / 255.0f + pictureNoise(random);
            brightness.push_back(std::clamp(grey, 0.0f, 1.0f));
        }
    }
    return brightness;
}

TEST(FaxLineTimingTest, TheLinesStartAndLengthComeOutTrueThroughFadesAndNoise) {
    struct Case {
        const char* name;
        Reception reception;
        // Samples: pulses moved by noise leave the start less sure.
        double startWithin;
    };
    const Case cases[] = {
        {"no fade", {}, 1.5},
        {"the first ten pulses faded", {0, 10}, 1.5},
        {"the last 35 pulses faded", {kPhasingLines - 35, kPhasingLines}, 1.5},
        // The phasing tells the length only roughly and the picture's
        // correlation gives out early: the fit must narrow it by itself, or
        // further off, the whole picture's fold must find it.
        {"a weak signal, a long chart", {0, 0, 800, 10, 2.0f}, 1.5},
        {"a weak signal whose phasing tells the length roughly", {0, 0, 800, 40, 2.0f}, 8.0},
    };
    const FaxMode mode;
    const double line = mode.LineSeconds() * kBrightnessRate;
    // A slant of one element in 1000 lines.
    const double lengthTolerance = line / mode.ElementsPerLine() / 1000.0;
    for (const Case& test : cases) {
        const double pictureStart = kFirstPulse + kPhasingLines * line + test.reception.pulseJitter;
        const FaxLineTiming timing = FindLineTiming(Brightness(test.reception), mode, kBrightnessRate);
        std::ostringstream state;
        state << test.name << ": phased " << timing.phased << ", " << timing.phasingLines
              << " phasing lines, picture from sample " << timing.firstLine << " (sent from " << pictureStart
              << "), line " << timing.lineSamples << " samples";
        EXPECT_TRUE(timing.phased && timing.phasingLines == kPhasingLines &&
                    std::abs(timing.firstLine - pictureStart) <= test.startWithin &&
                    std::abs(timing.lineSamples - line) <= lengthTolerance)
            << state.str();
    }
}

}  // namespace
}  // namespace zorbel::decoder
