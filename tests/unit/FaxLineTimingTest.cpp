// Where a chart's lines start, found from phasing lines whose white pulse a
// fade took while their black stayed: two paths cancel at some frequencies
// only, so on a fading path the white's frequency may vanish for seconds at
// the phasing's start or end. Those lines neither move the line's start nor
// end the phasing early.

#include <gtest/gtest.h>

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
constexpr int kPictureLines = 120;
// The reception began within a line.
constexpr double kFirstPulse = 1234.0;

// Phasing lines, then a chart, as brightness; the pulses of the lines from
// `fadedFrom` up to `fadedTo` unknown but for their last tenth, as the fade
// had begun to lift there.
std::vector<float> Brightness(int fadedFrom, int fadedTo) {
    const FaxMode mode;
    const auto line = static_cast<std::size_t>(mode.LineSeconds() * kBrightnessRate);
    const auto pulse = static_cast<std::size_t>(mode.phasingPulseShare * static_cast<double>(line));
    const GreyImage chart = MakeTestChart(mode.ElementsPerLine(), kPictureLines, 3);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> noise(-0.05f, 0.05f);
    std::vector<float> brightness(static_cast<std::size_t>(kFirstPulse), 0.0f);
    for (int row = 0; row < kPhasingLines; ++row) {
        const bool faded = row >= fadedFrom && row < fadedTo;
        for (std::size_t index = 0; index < line; ++index) {
            const bool white = index < pulse;
            const bool unknown = faded && index < pulse * 9 / 10;
            brightness.push_back(unknown ? kUnknownBrightness : (white ? 0.95f : 0.05f) + noise(random));
        }
    }
    for (int row = 0; row < kPictureLines; ++row) {
        for (std::size_t index = 0; index < line; ++index) {
            const auto column = static_cast<int>(index * static_cast<std::size_t>(chart.width) / line);
            brightness.push_back(static_cast<float>(chart.At(column, row)) / 255.0f);
        }
    }
    return brightness;
}

TEST(FaxLineTimingTest, PhasingPulsesLostToAFadeOfTheWhiteAloneLeaveTheLineStartTrue) {
    struct Case {
        const char* name;
        int fadedFrom;
        int fadedTo;
    };
    const Case cases[] = {
        {"no fade", 0, 0},
        {"the first ten pulses faded", 0, 10},
        {"the last 35 pulses faded", kPhasingLines - 35, kPhasingLines},
    };
    const FaxMode mode;
    const double line = mode.LineSeconds() * kBrightnessRate;
    const double pictureStart = kFirstPulse + kPhasingLines * line;
    for (const Case& test : cases) {
        const FaxLineTiming timing = FindLineTiming(Brightness(test.fadedFrom, test.fadedTo), mode, kBrightnessRate);
        std::ostringstream state;
        state << test.name << ": phased " << timing.phased << ", " << timing.phasingLines
              << " phasing lines, picture from sample " << timing.firstLine << " (sent from " << pictureStart
              << "), line " << timing.lineSamples << " samples";
        EXPECT_TRUE(timing.phased && timing.phasingLines == kPhasingLines &&
                    std::abs(timing.firstLine - pictureStart) <= 1.0 && std::abs(timing.lineSamples - line) <= 0.01)
            << state.str();
    }
}

}  // namespace
}  // namespace zorbel::decoder
