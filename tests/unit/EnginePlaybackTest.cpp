// The engine program's parts that decide without a window: sender, player, receiver, layout, sound card watch.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <sstream>
#include <vector>

#include "decoder/FaxGenerator.h"
#include "decoder/FaxTestCharts.h"
#include "decoder/SignalGenerator.h"
#include "engine/CharacterSender.h"
#include "zorbel-engine/ChartZoom.h"
#include "zorbel-engine/EngineLayout.h"
#include "zorbel-engine/ModeText.h"
#include "zorbel-engine/Receiver.h"
#include "zorbel-engine/SoundCardWatch.h"
#include "zorbel-engine/TextPaneLines.h"
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

// The text pane: "RYRY" cut off by a recording's end and "WELCOME" of the next one stand on lines of their own.
TEST(TextPaneLinesTest, ANewRecordingOrTransmissionStartsOnALineOfItsOwn) {
    const struct {
        std::vector<const char*> steps;  // decoded text, or "|" where a recording or transmission starts
        const wchar_t* pane;
    } cases[] = {
        {{"RYRY", "|", "WELCOME\n"}, L"RYRY\r\nWELCOME\r\n"},
        {{"|", "NNNN\r\n", "|", "|", "ZCZC"}, L"NNNN\r\nZCZC"},  // after a finished line, nothing is added
        {{"AB\rCD", "\r", "|", "E"}, L"ABCD\r\nE"},                // CR alone breaks no line
        {{"A\n\nB"}, L"A\r\n\r\nB"},
    };
    for (const auto& c : cases) {
        TextPaneLines lines;
        std::wstring pane;
        for (const char* step : c.steps) pane += std::string_view(step) == "|" ? lines.StartAfresh() : lines.Add(step);
        EXPECT_EQ(pane, c.pane) << testing::PrintToString(c.steps);
    }
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

// Fed in blocks as the window feeds it (a picture's worth at a time).
std::string DecodeInBlocks(Receiver& receiver, std::span<const float> samples, double rate) {
    std::string text;
    const auto block = static_cast<std::size_t>(rate / 15);
    for (std::size_t at = 0; at < samples.size(); at += block)
        text += receiver.Decode(samples.subspan(at, std::min(block, samples.size() - at)), rate);
    return text;
}

TEST(ReceiverTest, DecodesInEitherPolarityChosenOrFoundAtAnyRateNamesTheTonesAsMmttyAndDrawsALinePerStretch) {
    for (const bool reversed : {false, true}) {
        for (const double rate : {8000.0, 48000.0}) {
            for (const bool find : {false, true}) {
                const decoder::RttyMode sent{45.45, 170.0, 2125.0, reversed, 1.5};
                // Finding starts in the wrong polarity.
                auto set = sent;
                set.reversed = reversed != find;
                decoder::SignalShape shape;
                shape.sampleRate = rate;
                const auto samples = decoder::GenerateRtty("RYRY CQ DE DDH47\r\n", sent, shape);
                // A receiver that ran at another rate restarts for this one.
                Receiver receiver(set, {.findPolarity = find}, 11025.0);
                const std::string text = DecodeInBlocks(receiver, samples, rate);
                const std::string where = (reversed ? "reversed, " : "normal, ") + std::to_string(rate) + " Hz" +
                                          (find ? ", found" : ", chosen");
                EXPECT_NE(std::string::npos, text.find("CQ DE DDH47")) << where << ": " << text;
                EXPECT_EQ(find ? PolarityState::Found : PolarityState::Chosen, receiver.Polarity()) << where;
                EXPECT_EQ(reversed, receiver.ReadMode().reversed) << where;
                EXPECT_EQ(set.reversed, receiver.Mode().reversed) << where << ": the setting stays as set";
                // Followed, so within a few hertz of the sent tones.
                EXPECT_NEAR(2125.0, receiver.MarkHz(), 3.0) << where << ": mark is the lower tone";
                EXPECT_NEAR(2295.0, receiver.SpaceHz(), 3.0) << where;

                receiver.TakeFrame();
                receiver.Decode(std::span(samples).first(static_cast<std::size_t>(rate)), rate);
                const SignalFrame frame = receiver.TakeFrame();
                EXPECT_EQ(15u * frame.powerDb.size(), frame.waterfallDb.size()) << where << ": one line per 66 ms";
                EXPECT_NEAR(reversed ? 2295.0 : 2125.0, frame.markToneHz, 3.0) << where << ": the tone that carries mark";
            }
        }
    }
}

// Found, a polarity holds while the signal lasts; after a long silence the next transmission may come in the other.
TEST(ReceiverTest, AFoundPolarityIsDecidedAfreshAfterALongSilence) {
    const decoder::RttyMode weather{50.0, 450.0, 1000.0, true, 1.5};
    auto amateur = weather;
    amateur.reversed = false;
    Receiver receiver(amateur, {.findPolarity = true}, 8000.0);
    std::string text, seen;
    for (const auto& samples : {decoder::GenerateRtty("ZCZC FQEN71 EDZW\r\n", weather, {}),
                                std::vector<float>(11 * 8000), decoder::GenerateRtty("CQ DE DL1ABC\r\n", amateur, {})}) {
        text += DecodeInBlocks(receiver, samples, 8000.0);
        const auto state = receiver.Polarity();
        seen += state == PolarityState::Deciding ? "deciding " : receiver.ReadMode().reversed ? "reversed " : "normal ";
        EXPECT_NE(PolarityState::Chosen, state);
    }
    EXPECT_EQ("reversed deciding normal ", seen);
    EXPECT_EQ("ZCZC FQEN71 EDZW\r\nCQ DE DL1ABC\r\n", text);
}

// Finding baud and shift too, the receiver reads the weather service and then, after a long silence, an amateur
// elsewhere in the band, each from its first character, and names each mode as found, as the mode line shows it.
TEST(ReceiverTest, AModeFoundHoldsWhileTheSignalLastsAndIsFoundAfreshAfterALongSilence) {
    const decoder::RttyMode weather{50.0, 450.0, 1000.0, true, 1.5};
    const decoder::RttyMode amateur{45.45, 170.0, 2125.0, false, 1.5};
    const std::string call = "RYRYRYRY CQ CQ DE DL1ABC DL1ABC PSE K\r\n";
    Receiver receiver(amateur, {.findPolarity = true}, 8000.0, true);
    std::string text;
    std::wstring seen;
    for (const auto& samples : {decoder::GenerateRtty(call, weather, {}), std::vector<float>(11 * 8000),
                                decoder::GenerateRtty(call, amateur, {})}) {
        text += DecodeInBlocks(receiver, samples, 8000.0);
        decoder::RttyMode read = receiver.ReadMode();
        // Followed, so within a few hertz of the sent tones; shown as sent here.
        const double sentMarkHz = read.baud == 50.0 ? weather.markHz : amateur.markHz;
        EXPECT_NEAR(sentMarkHz, read.markHz, 3.0);
        read.markHz = sentMarkHz;
        const SignalFrame frame = receiver.TakeFrame();
        seen += receiver.ModeSource() == ModeState::Deciding
                    ? std::wstring(frame.markToneHz == 0.0 && frame.spaceToneHz == 0.0 ? L"searching | "
                                                                                       : L"searching with tones | ")
                    : ModeText(read, receiver.ModeSource(), receiver.Polarity(), false, 0.0, 0.0) + L" | ";
    }
    EXPECT_EQ(L"50 Bd · Shift 450 Hz (erkannt) · Mark 1000 Hz · revers (erkannt) · 1,5 Stopbits · Notch 0 / 0 Hz | "
              L"searching | "
              L"45,45 Bd · Shift 170 Hz (erkannt) · Mark 2125 Hz · normal (erkannt) · 1,5 Stopbits · Notch 0 / 0 Hz | ",
              seen);
    EXPECT_EQ(call + call, text);
    EXPECT_EQ(L"Baud und Shift automatisch · Polarität automatisch · 1,5 Stopbits · Notch 0 / 0 Hz",
              ModeText(amateur, ModeState::Deciding, PolarityState::Deciding, false, 0.0, 0.0));
}

// A station that starts away from the tones listened to, in the other polarity: the receiver moves there and reads it
// from its first character; one at the tones set keeps it there.
TEST(ReceiverTest, TakesUpANewSignalAwayFromItsTonesFromItsFirstCharacter) {
    constexpr double kRate = 8000.0;
    const decoder::RttyMode set{45.45, 170.0, 1000.0, false, 1.5};
    for (const double sentMarkHz : {2125.0, 1040.0}) {
        const decoder::RttyMode sent{45.45, 170.0, sentMarkHz, true, 1.5};
        const decoder::SignalShape shape;
        std::vector<float> samples(static_cast<std::size_t>(3.0 * kRate));
        const auto signal = decoder::GenerateRtty("CQ CQ DE DL1ABC DL1ABC PSE K\r\n", sent, shape);
        samples.insert(samples.end(), signal.begin(), signal.end());
        decoder::AddNoise(samples, 10.0, shape, 7);
        Receiver receiver(set, {.findPolarity = true}, kRate);
        const std::string text = DecodeInBlocks(receiver, samples, kRate);
        // Moved, from the first character on; near, followed by the decoder from its first few.
        const bool far = sentMarkHz == 2125.0;
        EXPECT_NE(std::string::npos, text.find(far ? "CQ CQ DE DL1ABC DL1ABC PSE K" : "CQ DE DL1ABC DL1ABC PSE K"))
            << sentMarkHz << ": " << text;
        EXPECT_NEAR(far ? 2125.0 : 1000.0, receiver.Mode().markHz, 3.0) << sentMarkHz;
        EXPECT_TRUE(receiver.ReadMode().reversed) << sentMarkHz;
    }
}

// NAVTEX chosen: a broadcast near the mark set is read whole to its end, with no tones marked while the receiver
// searches and NAVTEX's tones once locked; the recording's end gives the rest, and RTTY is read again once left.
TEST(ReceiverTest, ReadsANavtexBroadcastNearTheMarkSetAndMarksItsTonesOnceLocked) {
    const std::string message = "ZCZC SA01\r\nGALE WARNING GERMAN BIGHT WEST 8 TO 9.\r\nNNNN\r\n";
    const struct {
        double rate, setMarkHz, sentMarkHz;  // the lower tones
        double carrierHz = 0.0;              // a strong carrier beside the signal, notched
    } cases[] = {{8000.0, 915.0, 915.0}, {48000.0, 1000.0, 1060.0}, {11025.0, 1700.0, 1640.0},
                 {8000.0, 915.0, 915.0, 875.0}};
    for (const auto& c : cases) {
        decoder::SignalShape shape{c.rate};
        shape.leadSeconds = 3.0;
        shape.silenceBeforeSeconds = 1.0;
        auto sent = decoder::NavtexMode();
        sent.markHz = c.sentMarkHz;
        auto samples = decoder::GenerateSitorB(message, sent, shape);
        for (std::size_t at = 0; c.carrierHz > 0.0 && at < samples.size(); ++at)
            samples[at] += 4.0f * static_cast<float>(std::sin(2.0 * std::numbers::pi * c.carrierHz * at / c.rate));
        const decoder::RttyMode set{50.0, 450.0, c.setMarkHz, true, 1.5};
        Receiver receiver(set, {.findPolarity = true}, c.rate, true);
        receiver.SetNotches(c.carrierHz, 0.0);  // set for RTTY, kept for NAVTEX
        receiver.SetNavtex(true);
        std::ostringstream state;
        const auto modeText = [&](const decoder::RttyMode& mode, bool locked) {
            return testing::PrintToString(NavtexModeText(mode, locked, c.carrierHz, 0.0));
        };
        const auto show = [&] {
            const SignalFrame frame = receiver.TakeFrame();
            state << modeText(receiver.ReadMode(), receiver.NavtexLocked()) << " tones " << frame.markToneHz << "/"
                  << frame.spaceToneHz << " | ";
        };
        const auto silence = static_cast<std::size_t>(c.rate * shape.silenceBeforeSeconds);
        std::string text = DecodeInBlocks(receiver, std::span(samples).first(silence), c.rate);
        show();
        // Locked in the middle of the message; the end of emission ends the lock.
        const std::size_t middle = samples.size() * 3 / 4;
        text += DecodeInBlocks(receiver, std::span(samples).subspan(silence, middle - silence), c.rate);
        // Followed, near the sent tones (how closely is the decoder's own business).
        const double markHz = receiver.MarkHz();
        show();
        text += DecodeInBlocks(receiver, std::span(samples).subspan(middle), c.rate);
        text += receiver.Finish();
        receiver.SetNavtex(false);
        const bool rttyAgain = !receiver.Navtex() && receiver.ModeSource() == ModeState::Deciding &&
                               receiver.Mode().baud == 50.0;
        const std::string where = std::to_string(c.rate) + " Hz, sent at " + std::to_string(c.sentMarkHz) + ": ";
        EXPECT_EQ(message, text) << where << state.str();
        EXPECT_NEAR(c.sentMarkHz, markHz, 15.0) << where << state.str();
        std::ostringstream expected;
        expected << modeText(decoder::RttyMode{100.0, 170.0, c.setMarkHz}, false)
                 << " tones 0/0 | "
                 << modeText(decoder::RttyMode{100.0, 170.0, std::round(markHz)}, true)
                 << " tones " << markHz + 170.0 << "/" << markHz << " | ";
        EXPECT_EQ(expected.str(), state.str()) << where;
        EXPECT_TRUE(rttyAgain) << where;
    }
    EXPECT_EQ(L"NAVTEX · 100 Bd · Shift 170 Hz · Mark 915,5 Hz · sucht · Notch 0 / 0 Hz",
              NavtexModeText(decoder::RttyMode{100.0, 170.0, 915.5}, false, 0.0, 0.0));
    EXPECT_EQ(L"NAVTEX · 100 Bd · Shift 170 Hz · Mark 916 Hz · eingerastet · Notch 875 / 2500 Hz",
              NavtexModeText(decoder::RttyMode{100.0, 170.0, 915.5}, true, 875.0, 2500.0));
}

// Radiofax chosen: the chart sent comes out whole and dated from the audio's start; the line start moved by a
// quarter while it comes moves the whole chart received so far and the chart saved alike.
TEST(ReceiverTest, ReadsAWeatherChartDatedFromTheAudioAndCorrectsItWhole) {
    const decoder::FaxMode mode;
    const decoder::GreyImage sent = decoder::MakeTestChart(mode.ElementsPerLine(), 90, 7);
    const std::vector<float> audio = decoder::GenerateFax(sent, mode, {5.0, 20, 5.0, 5.0}, decoder::SignalShape{});
    Receiver receiver(decoder::RttyMode{}, {}, 8000.0);
    receiver.SetFax(mode, 1'000'000);
    EXPECT_EQ((std::vector{1500.0, 2300.0}), (std::vector{receiver.MarkToneHz(), receiver.SpaceToneHz()}));
    const std::size_t half = audio.size() / 2;
    EXPECT_EQ("", DecodeInBlocks(receiver, std::span(audio).first(half), 8000.0));
    ASSERT_TRUE(receiver.Fax()->Receiving());
    // Half the audio is 35 s: 5 of start tone, 10 of phasing lines, then 40 lines of the picture, the count shown.
    ASSERT_NEAR(receiver.Fax()->LinesSoFar(), 40, 1);
    const decoder::GreyImage before = receiver.Fax()->ChartSoFar();
    receiver.Fax()->Correct({0.0, 0.25});
    const decoder::GreyImage moved = receiver.Fax()->ChartSoFar();
    // Row 20 corrected begins where the uncorrected one's second quarter does.
    const auto unlike = [](const decoder::GreyImage& a, const decoder::GreyImage& b, int shift) {
        int count = 0;
        for (int x = 0; x + shift < a.width; ++x) count += std::abs(a.At(x, 20) - b.At(x + shift, 20)) > 64;
        return count;
    };
    const int quarter = static_cast<int>(std::lround(mode.ElementsPerLine() * 0.25));
    EXPECT_LT(unlike(moved, before, quarter), moved.width / 20) << "of " << moved.width - quarter << " elements";

    DecodeInBlocks(receiver, std::span(audio).subspan(half), 8000.0);
    receiver.Finish();
    const auto charts = receiver.Fax()->TakeEnded();
    ASSERT_EQ(1u, charts.size());
    EXPECT_FALSE(charts[0].incomplete) << "the stop tone came";
    EXPECT_NEAR(90, charts[0].chart.height, 2);
    EXPECT_LT(unlike(charts[0].chart, moved, 0), moved.width / 20) << "saved as corrected";
    EXPECT_NEAR(1'000'000 + 5 + 20 * mode.LineSeconds(), static_cast<double>(charts[0].start), 12) << "tone and phasing";
}

TEST(EngineLayoutTest, AShorterWindowGivesUpTheTextFirstThenThePictureDownToItsLeastAndDocksOnTheScreen) {
    const struct {
        int dpi, clientHeight, signal, text;
    } cases[] = {
        {96, 310, 170, 100}, {96, 250, 170, 40}, {96, 150, 110, 0},   {96, 96, 56, 0},  // as designed .. the least
        {96, 60, 56, 0},     {96, 600, 330, 230}, {144, 465, 255, 150}, {144, 144, 84, 0},
    };
    for (const auto& c : cases) {
        const EngineLayout layout = LayOutEngineWindow(760, c.clientHeight, c.dpi);
        EXPECT_EQ(c.signal, layout.signal.height) << c.dpi << " dpi, " << c.clientHeight << " high";
        EXPECT_EQ(c.text, layout.text.height) << c.dpi << " dpi, " << c.clientHeight << " high";
    }
    // At 150 % on a screen 900 pixels high with Windows' task bar (60 pixels), docked under the program's window as it
    // first opens (6075 twips high, at the top): the engine window ends on the screen; its text gave way.
    constexpr int kDpi = 144, kWorkAreaBottom = 900 - 60, kNonClient = 80;  // caption, menu bar and frame at 150 %
    const int top = 6075 * kDpi / 1440;
    const int height =
        DockedHeight(ScaledToDpi(kDesignHeight, kDpi), kNonClient + LeastClientHeight(kDpi), top, kWorkAreaBottom);
    EXPECT_LE(top + height, kWorkAreaBottom) << "docked at " << top << ", " << height << " high";
    EXPECT_EQ(0, LayOutEngineWindow(760, height - kNonClient, kDpi).text.height);
}

// A chart 1809 elements wide opens at its whole width; the steps end at both ends; zoomed about
// a point, that point stays under the mouse.
TEST(EngineLayoutTest, AChartZoomsInStepsFromItsWholeWidthAboutThePointUnderTheMouse) {
    EXPECT_DOUBLE_EQ(1000.0 / 1809, WholeWidthZoom(1809, 1000));
    EXPECT_EQ((std::vector{0.75, 0.5, 4.0, 0.125}),
              (std::vector{ZoomIn(WholeWidthZoom(1809, 1000)), ZoomOut(0.75), ZoomIn(4.0), ZoomOut(0.125)}));
    // The element under the mouse at 300 pixels into the window, scrolled by 100, at zoom 0.5: element 800.
    EXPECT_EQ(800 - 300, ScrollKeeping(100, 300, 0.5, 1.0));
    EXPECT_EQ(0, ScrollKeeping(10, 300, 1.0, 0.25)) << "never before the picture's start";

    // A black line one element thick across white, a third of the size: a grey line, nowhere broken.
    decoder::GreyImage chart(9, 6);
    for (int x = 0; x < 9; ++x) chart.At(x, 4) = 0;
    EXPECT_EQ((std::vector<std::uint8_t>{255, 255, 255, 170, 170, 170}), Shrunk(chart, 1.0 / 3).pixels);
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
