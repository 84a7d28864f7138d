// The engine program's parts that decide without a window: characters posted
// in order whatever the program's queue refuses, a recording's timing, the
// receiver's decoding, tones and waterfall lines, and when the sound card is
// given up and tried again.

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <vector>

#include "decoder/SignalGenerator.h"
#include "engine/CharacterSender.h"
#include "zorbel-engine/Receiver.h"
#include "zorbel-engine/SoundCardWatch.h"
#include "zorbel-engine/WavPlayer.h"

namespace zorbel::engine_side {
namespace {

TEST(CharacterSenderTest, PostsInOrderAndLosesNothingWhileTheQueueRefusesEveryThirdPost) {
    std::vector<std::int32_t> received;
    int attempts = 0;
    engine::CharacterSender sender([&](std::int32_t code) {
        if (++attempts % 3 == 0) return false;
        received.push_back(code);
        return true;
    });
    std::vector<std::int32_t> added;
    for (std::int32_t code = 0; code < 100; ++code) {
        sender.Add(code);
        added.push_back(code);
        if (code % 7 == 6) sender.Send(2);  // a tick that ends with characters still waiting
    }
    int ticks = 0;
    while (!sender.Send(5)) ASSERT_LT(++ticks, 1000) << sender.Waiting() << " characters never leave";
    EXPECT_EQ(added, received);
    EXPECT_EQ(0u, sender.Waiting());
}

TEST(WavPlayerTest, RealRateFromTheFirstCallFastInBlocksRepeatedFromTheStart) {
    decoder::WavAudio audio{8000.0, std::vector<float>(20000)};  // 2.5 s
    std::iota(audio.samples.begin(), audio.samples.end(), 0.0f);

    WavPlayer real(audio, false, false);
    EXPECT_EQ(0u, real.Due(5000).size()) << "the clock starts at the first call";
    auto due = real.Due(5100);
    ASSERT_EQ(800u, due.size());
    EXPECT_EQ(0.0f, due.front());
    EXPECT_EQ(0u, real.Due(5100).size());
    due = real.Due(60000);
    ASSERT_EQ(19200u, due.size()) << "no more than the recording holds";
    EXPECT_EQ(19999.0f, due.back());
    EXPECT_TRUE(real.Finished());

    WavPlayer fast(audio, true, false);
    EXPECT_EQ(16000u, fast.Due(0).size()) << "two seconds a block, whatever the clock";
    EXPECT_EQ(4000u, fast.Due(0).size());
    EXPECT_TRUE(fast.Finished());

    WavPlayer repeated(audio, false, true);
    repeated.Due(0);
    EXPECT_EQ(20000u, repeated.Due(3000).size());
    EXPECT_FALSE(repeated.Finished());
    EXPECT_EQ(0u, repeated.Due(3000).size()) << "the second round starts its own clock";
    due = repeated.Due(3100);
    ASSERT_EQ(800u, due.size());
    EXPECT_EQ(0.0f, due.front());
}

TEST(ReceiverTest, DecodesInEitherPolarityAtAnyRateNamesTheTonesAsMmttyAndDrawsALinePerStretch) {
    for (const bool reversed : {false, true}) {
        for (const double rate : {8000.0, 48000.0}) {
            decoder::RttyMode mode{45.45, 170.0, 2125.0, reversed, 1.5};
            decoder::SignalShape shape;
            shape.sampleRate = rate;
            const auto samples = decoder::GenerateRtty("RYRY CQ DE DDH47\r\n", mode, shape);
            // A receiver that ran at another rate restarts for this one.
            Receiver receiver(mode, false, 11025.0);
            std::string text;
            const auto block = static_cast<std::size_t>(rate / 15);
            for (std::size_t at = 0; at < samples.size(); at += block)
                text += receiver.Decode(std::span(samples).subspan(at, std::min(block, samples.size() - at)), rate);
            const std::string where = (reversed ? "reversed, " : "normal, ") + std::to_string(rate) + " Hz";
            EXPECT_NE(std::string::npos, text.find("CQ DE DDH47")) << where << ": " << text;
            // Followed, so within a few hertz of the sent tones.
            EXPECT_NEAR(2125.0, receiver.MarkHz(), 3.0) << where << ": mark is the lower tone";
            EXPECT_NEAR(2295.0, receiver.SpaceHz(), 3.0) << where;

            receiver.Frame();
            receiver.Decode(std::span(samples).first(static_cast<std::size_t>(rate)), rate);
            const SignalFrame frame = receiver.Frame();
            EXPECT_EQ(15u * frame.powerDb.size(), frame.waterfallDb.size()) << where << ": one line per 66 ms";
            EXPECT_NEAR(reversed ? 2295.0 : 2125.0, frame.markToneHz, 3.0) << where << ": the tone that carries mark";
        }
    }
}

// Runs "event ms" pairs through a watch; the answer to each, "-" for none.
std::string WatchTrace(const std::string& script) {
    SoundCardWatch watch;
    std::istringstream events(script);
    std::string event, trace;
    std::uint64_t ms = 0;
    while (events >> event >> ms) {
        std::string answer = "-";
        const auto say = [&](SoundCardWatch::Step step) {
            constexpr const char* kSteps[] = {"-", "lost", "close", "reopen"};
            answer = kSteps[static_cast<int>(step)];
        };
        if (event == "open") watch.Opened(ms);
        if (event == "reopened") watch.Reopened(ms);
        if (event == "failed") watch.ReopenFailed(ms);
        if (event == "stop") watch.Stop();
        if (event == "tick") say(watch.Tick(ms));
        if (event == "refused") say(watch.Refused(ms));
        if (event == "data") {
            constexpr const char* kArrivals[] = {"-", "first", "back"};
            answer = kArrivals[static_cast<int>(watch.Delivered(ms))];
        }
        trace += (trace.empty() ? "" : " ") + answer;
    }
    return trace;
}

TEST(SoundCardWatchTest, GivesUpASilentCardOnceAndTriesItEverySecondUntilItDeliversAgain) {
    struct Case {
        const char* what;
        const char* script;
        const char* answers;
    };
    const Case cases[] = {
        {"a card that goes silent, comes back after a failed and an empty reopening",
         "open 0 tick 1900 data 2000 data 2100 tick 5099 tick 5100 tick 6099 tick 6100 failed 6100 tick 7100 "
         "reopened 7100 tick 12099 tick 12100 tick 13100 reopened 13100 data 15200 data 15300 tick 18299",
         "- - first - - lost - reopen - reopen - - close reopen - back - -"},
        {"an opening that never delivers is given up and retried",
         "open 0 tick 4999 tick 5000 tick 6000 reopened 6000 data 6100", "- - lost reopen - back"},
        {"a card that refuses a buffer back has gone; it is tried a second later",
         "open 0 data 100 refused 500 tick 1499 tick 1500", "- first lost - reopen"},
        {"after the user chose another input: no ticks, and a late buffer says nothing",
         "open 0 data 100 stop 200 tick 9000 data 9100 refused 9200", "- first - - - -"},
        {"a late buffer of the closed card is no return", "open 0 data 100 tick 3100 data 3200 tick 4100",
         "- first lost - reopen"},
        {"the user chooses the card again after a loss: it is the first buffer, not a return",
         "open 0 data 100 tick 3100 open 3500 data 3600", "- first lost - first"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.answers, WatchTrace(c.script)) << c.what << "\n" << c.script;
}

}  // namespace
}  // namespace zorbel::engine_side
