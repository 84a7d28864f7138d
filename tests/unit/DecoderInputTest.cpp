// What a recording or a sound card may deliver that once stopped the listening: NaN, clicks, huge samples.

#include <gtest/gtest.h>

#include <algorithm>
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

// In blocks, as the engine hands them on: made safe, then decoded.
std::string ConditionAndDecode(std::vector<float> samples, double sampleRate) {
    InputConditioner conditioner(sampleRate);
    RttyDecoder decoder(kAmateur, sampleRate);
    std::string decoded;
    for (std::size_t from = 0; from < samples.size(); from += 800) {
        const std::span block = std::span(samples).subspan(from, std::min<std::size_t>(800, samples.size() - from));
        conditioner.Condition(block);
        decoded += decoder.Decode(block);
    }
    return decoded;
}

TEST(DecoderInputTest, NaNInfinityAClickOrHugeSamplesLeaveTheRestOfAWeakRecordingReadable) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    const std::string text = "RYRY CQ DE DDH47 THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 END\r\n";
    // About -66 dB full scale, so that a full-scale click is 2,000 times the signal.
    const SignalShape shape{8000.0, 0.0005};
    std::vector<float> clean = GenerateRtty(text, kAmateur, shape);
    AddNoise(clean, 10.0, shape, 21);
    // In the middle of the 20th character (after the letters shift); from
    // a second (7 characters) after it on, the text must read as sent.
    const double characterSamples = shape.sampleRate / kAmateur.baud * (6 + kAmateur.stopBits);
    const auto at = static_cast<std::size_t>(shape.sampleRate * shape.leadSeconds + 20.5 * characterSamples);
    const std::string after = text.substr(19 + 7);
    const struct {
        const char* what;
        std::vector<float> written;
    } cases[] = {
        {"NaN", {kNaN}}, {"infinity", {kInfinity}}, {"minus infinity", {-kInfinity}},
        {"a full-scale click of 1 ms", std::vector<float>(8, 1.0f)}, {"two huge samples", {3e38f, -3e38f}}};
    for (const auto& input : cases) {
        std::vector<float> samples = clean;
        std::copy(input.written.begin(), input.written.end(), samples.begin() + static_cast<std::ptrdiff_t>(at));
        const std::string decoded = ConditionAndDecode(samples, shape.sampleRate);
        EXPECT_TRUE(decoded.ends_with(after)) << input.what << ": " << testing::PrintToString(decoded);
    }
}

// A card opened before the receiver is on delivers digital silence, a line before it is switched on a faint hiss: the
// noise that follows was taken for a signal standing out, and read as characters for good.
TEST(DecoderInputTest, NoiseAfterDigitalSilenceOrAQuietLineReadsAsNothing) {
    const std::string text = "RYRY CQ DE DDH47 THE QUICK BROWN FOX 0123456789 END\r\n";
    SignalShape shape;
    shape.silenceBeforeSeconds = 10.0;
    shape.silenceAfterSeconds = 5.0;
    std::vector<float> noisy = GenerateRtty(text, kAmateur, shape);
    AddNoise(noisy, 0.0, shape, 23);
    const auto firstSeconds = static_cast<std::ptrdiff_t>(5.0 * shape.sampleRate);
    for (const float before : {0.0f, 1e-4f}) {
        std::vector<float> samples = noisy;
        std::for_each(samples.begin(), samples.begin() + firstSeconds, [&](float& sample) { sample *= before; });
        const std::string decoded = ConditionAndDecode(samples, shape.sampleRate);
        // Noise 80 dB above a quiet line is followed within seconds; digital silence has no noise to follow.
        if (before == 0.0f) {
            EXPECT_EQ(text, decoded);
        }
        EXPECT_TRUE(decoded.ends_with(text)) << "the first 5 s of noise at " << before
                                             << " times its level: " << testing::PrintToString(decoded);
    }
}

// Straight into the decoder, without the conditioner: wherever the two samples fall around the second character's
// start, while the first one is locked, the call ends (the search once walked on endlessly) and reads no more
// characters than there is room for after the lead-in (the sums the samples swamp leave what follows misread).
TEST(DecoderInputTest, TwoHugeSamplesAfterALockedCharacterNoLongerSendTheStartSearchOnAnEndlessWalk) {
    const SignalShape shape;
    const std::vector<float> clean = GenerateRtty("RY", kAmateur, shape);
    // After the letters shift sent first and the R.
    const double characterSamples = shape.sampleRate / kAmateur.baud * (6 + kAmateur.stopBits);
    const auto second = static_cast<std::size_t>(shape.sampleRate * shape.leadSeconds + 2 * characterSamples);
    const auto reach = static_cast<std::size_t>(characterSamples / 8);
    // The first character is locked by then: its samples alone read as it.
    RttyDecoder locked(kAmateur, shape.sampleRate);
    std::string lockedRead = locked.Decode(std::span(clean).first(second));
    ASSERT_EQ(lockedRead += locked.Finish(), "R");
    const auto room = static_cast<std::size_t>(
        (static_cast<double>(clean.size()) - shape.sampleRate * shape.leadSeconds) / characterSamples);
    for (std::size_t at = second - reach; at < second + reach / 4; ++at) {
        std::vector<float> samples = clean;
        samples[at] = samples[at + 1] = 3e38f;
        RttyDecoder decoder(kAmateur, shape.sampleRate);
        std::string decoded = decoder.Decode(samples);
        decoded += decoder.Finish();
        EXPECT_LE(decoded.size(), room) << "at " << static_cast<double>(at) - static_cast<double>(second)
                                      << " samples from the second character's start: "
                                      << testing::PrintToString(decoded);
    }
}

}  // namespace
}  // namespace zorbel::decoder
