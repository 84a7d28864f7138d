// Radiofax received from our generator: a chart through noise, fading and a
// sound card's clock off by 200 millionths comes back alike and straight,
// starting and ending within two lines of the picture with and without its
// tones; a recording cut off keeps its chart, marked incomplete; noise, RTTY
// and a steady carrier start nothing.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "decoder/FaxChart.h"
#include "decoder/FaxDecoder.h"
#include "decoder/FaxGenerator.h"
#include "decoder/FaxLineTiming.h"
#include "decoder/FaxTestCharts.h"
#include "decoder/SignalGenerator.h"

namespace zorbel::decoder {
namespace {

// Low, to keep the tests quick; the decoder takes it as it takes 48 kHz.
constexpr double kRate = 6000.0;
constexpr double kAmplitude = 0.1;
constexpr int kLines = 300;

std::vector<FaxReception> Receive(const std::vector<float>& audio) {
    FaxDecoder decoder(FaxMode{}, kRate);
    decoder.Decode(audio);
    decoder.Finish();
    return decoder.TakeEnded();
}

TEST(FaxDecoderTest, ChartsComeBackAlikeStraightAndWithinTwoLines) {
    struct Case {
        const char* name;
        double snrDb;
        double clockOff;
        bool tones;
        std::optional<FadingPaths> fading;
        double leastCorrelation;
        FaxStart start;
        FaxEnd end;
    };
    const Case cases[] = {
        {"+10 dB, clock 200 ppm fast", 10.0, 200e-6, true, std::nullopt, 0.9, FaxStart::StartTone, FaxEnd::StopTone},
        {"+10 dB, clock 200 ppm slow, no tones", 10.0, -200e-6, false, std::nullopt, 0.9, FaxStart::Picture,
         FaxEnd::PictureEnded},
        {"+3 dB", 3.0, 0.0, true, std::nullopt, 0.75, FaxStart::StartTone, FaxEnd::StopTone},
        {"+20 dB, fading moderate", 20.0, 0.0, true, kModeratePaths, 0.7, FaxStart::StartTone, FaxEnd::StopTone},
    };
    const FaxMode mode;
    const GreyImage sent = MakeTestChart(mode.ElementsPerLine(), kLines, 5);
    for (const Case& test : cases) {
        SignalShape shape{kRate, kAmplitude};
        shape.rateOff = test.clockOff;
        shape.silenceBeforeSeconds = shape.silenceAfterSeconds = 25.0;
        FaxTransmission transmission;
        if (!test.tones) transmission = {0.0, 60, 0.0, 0.0};
        std::vector<float> audio = GenerateFax(sent, mode, transmission, shape);
        if (test.fading) ApplyFading(audio, *test.fading, kRate, 5);
        AddNoise(audio, test.snrDb, shape, 5);
        const std::vector<FaxReception> receptions = Receive(audio);
        std::ostringstream state;
        state << test.name << ": " << receptions.size() << " receptions";
        if (receptions.size() == 1) {
            const FaxReception& reception = receptions[0];
            const FaxLineTiming timing = FindLineTiming(reception.brightness, mode, reception.brightnessRate);
            const GreyImage received = DrawChart(reception.brightness, timing, mode.ElementsPerLine());
            const ChartMatch match = MatchChart(sent, received, 5);
            const double trueLine = mode.LineSeconds() * reception.brightnessRate / (1.0 + test.clockOff);
            const double slantPer1000Lines = (timing.lineSamples / trueLine - 1.0) * mode.ElementsPerLine() * 1000.0;
            const int endRow = match.firstRow + received.height;
            state << ", started by " << static_cast<int>(reception.start) << ", ended by "
                  << static_cast<int>(reception.end) << ", phased " << timing.phased << ", correlation "
                  << match.correlation << ", first row " << match.firstRow << ", end row " << endRow << ", slant "
                  << slantPer1000Lines << " elements per 1000 lines";
            EXPECT_TRUE(reception.start == test.start && reception.end == test.end && timing.phased &&
                        match.correlation >= test.leastCorrelation && std::abs(match.firstRow) <= 2 &&
                        std::abs(endRow - kLines) <= 2 && std::abs(slantPer1000Lines) <= 2.0)
                << state.str();
        } else {
            ADD_FAILURE() << state.str();
        }
    }
}

TEST(FaxDecoderTest, ARecordingCutOffKeepsItsChartMarkedIncomplete) {
    const FaxMode mode;
    const GreyImage sent = MakeTestChart(mode.ElementsPerLine(), kLines, 6);
    SignalShape shape{kRate, kAmplitude};
    std::vector<float> audio = GenerateFax(sent, mode, {}, shape);
    // Cut 100 lines into the picture.
    audio.resize(static_cast<std::size_t>((5.0 + 30.0 + 50.0) * kRate));
    AddNoise(audio, 10.0, shape, 6);
    const std::vector<FaxReception> receptions = Receive(audio);
    ASSERT_EQ(receptions.size(), 1u);
    const FaxLineTiming timing = FindLineTiming(receptions[0].brightness, mode, receptions[0].brightnessRate);
    const GreyImage received = DrawChart(receptions[0].brightness, timing, mode.ElementsPerLine());
    const ChartMatch match = MatchChart(sent, received, 5);
    EXPECT_TRUE(receptions[0].Incomplete() && receptions[0].end == FaxEnd::RecordingEnded &&
                std::abs(received.height - 100) <= 2 && match.correlation > 0.9)
        << received.height << " lines, correlation " << match.correlation << ", ended by "
        << static_cast<int>(receptions[0].end);
}

TEST(FaxDecoderTest, NoiseRttyAndASteadyCarrierStartNothing) {
    constexpr double kSeconds = 180.0;
    SignalShape shape{kRate, kAmplitude};
    shape.leadSeconds = shape.tailSeconds = 0.0;
    std::string text;
    for (unsigned index = 0; index * 0.15 < kSeconds; ++index) {
        text += "QUICK BROWN FOX 0123456789 JUMPS"[index * 7 % 32];
    }
    std::vector<float> carrier(static_cast<std::size_t>(kSeconds * kRate));
    for (std::size_t index = 0; index < carrier.size(); ++index) {
        carrier[index] = static_cast<float>(kAmplitude * std::sin(2.0 * 3.14159265358979 * 1900.0 * index / kRate));
    }
    struct Case {
        const char* name;
        std::vector<float> audio;
        double snrDb;
    };
    Case cases[] = {
        {"noise", std::vector<float>(carrier.size(), 0.0f), 0.0},
        {"RTTY 50 Bd, 450 Hz, across the fax band", GenerateRtty(text, {50.0, 450.0, 1675.0, false, 1.5}, shape), 10.0},
        {"a steady carrier at 1900 Hz", carrier, 10.0},
    };
    for (Case& test : cases) {
        AddNoise(test.audio, test.snrDb, shape, 7);
        FaxDecoder decoder(FaxMode{}, kRate);
        decoder.Decode(test.audio);
        const bool receiving = decoder.Receiving();
        decoder.Finish();
        EXPECT_TRUE(!receiving && decoder.TakeEnded().empty()) << test.name;
    }
}

}  // namespace
}  // namespace zorbel::decoder
