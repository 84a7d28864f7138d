// What a recording or a sound card may deliver that once stopped the
// listening: samples that are no number, a click thousands of times the
// signal, and huge samples that sent the start search on an endless walk.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "decoder/InputConditioner.h"
#include "decoder/RttyDecoder.h"
#include "decoder/SignalGenerator.h"

namespace zorbel::decoder {
namespace {

constexpr RttyMode kAmateur{45.45, 170.0, 2125.0, false, 1.5};

TEST(DecoderInputTest, NaNInfinityAClickOrHugeSamplesLeaveTheRestOfAWeakRecordingReadable) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const std::string text = "RYRY CQ DE DDH47 THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 END\r\n";
    // About -66 dB full scale, so that a full-scale click is 2,000 times the signal.
    const SignalShape shape{8000.0, 0.0005};
    const std::vector<float> clean = [&] {
        std::vector<float> samples = GenerateRtty(text, kAmateur, shape);
        AddNoise(samples, 10.0, shape, 21);
        return samples;
    }();
    // A third of the way in, in the middle of a character; what lies more
    // than a second after it must read as sent.
    const std::size_t at = clean.size() / 3;
    const double charactersPerSecond = kAmateur.baud / (6 + kAmateur.stopBits);
    const auto hitCharacter = static_cast<std::size_t>(
        (static_cast<double>(at) / shape.sampleRate - shape.leadSeconds) * charactersPerSecond);
    const std::string after = text.substr(hitCharacter + static_cast<std::size_t>(charactersPerSecond) + 1);
    const struct {
        const char* what;
        std::vector<float> written;
    } cases[] = {
        {"NaN", {kNaN}},
        {"infinity", {kInfinity}},
        {"minus infinity", {-kInfinity}},
        {"a full-scale click of 1 ms", std::vector<float>(8, 1.0f)},
        {"two huge samples", {3e38f, -3e38f}},
    };
    for (const auto& input : cases) {
        std::vector<float> samples = clean;
        std::copy(input.written.begin(), input.written.end(), samples.begin() + static_cast<std::ptrdiff_t>(at));
        InputConditioner conditioner(shape.sampleRate);
        RttyDecoder decoder(kAmateur, shape.sampleRate);
        std::string decoded;
        // In blocks, as the engine hands them on.
        for (std::size_t from = 0; from < samples.size(); from += 1000) {
            const std::span block = std::span(samples).subspan(from, std::min<std::size_t>(1000, samples.size() - from));
            conditioner.Condition(block);
            decoded += decoder.Decode(block);
        }
        EXPECT_TRUE(decoded.ends_with(after)) << input.what << ": " << testing::PrintToString(decoded);
    }
}

// Straight into the decoder, without the conditioner: wherever the two
// samples fall around the second character's start, the call ends.
TEST(DecoderInputTest, TwoHugeSamplesAfterALockedCharacterNoLongerSendTheStartSearchOnAnEndlessWalk) {
    const SignalShape shape;
    const std::vector<float> clean = GenerateRtty("RY", kAmateur, shape);
    for (std::size_t at = 6470; at < 6650; ++at) {
        std::vector<float> samples = clean;
        samples[at] = samples[at + 1] = 3e38f;
        RttyDecoder(kAmateur, shape.sampleRate).Decode(samples);
    }
}

}  // namespace
}  // namespace zorbel::decoder
