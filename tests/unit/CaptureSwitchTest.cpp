// The switches between writing, waiting and saving that received lines cause.

#include <string>

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using CaptureSwitchTest = CaptureTestRig;
using platform::Panel;

constexpr std::string_view kCaptureFile = "C:\\Wetterberichte\\Synop05Dez2026-1200.txt";

TEST_F(CaptureSwitchTest, StopWordWhileWritingShowsTheLineThenStops) {
    machine.Command2_Click();
    log.calls.clear();

    Receive("ZCZC und NNNN\n");

    EXPECT_EQ(log.calls.at(0), "rx:ZCZC und NNNN\n");
    EXPECT_EQ(log.calls.at(2), "rx:Stop: 05.12.2026 13:03:10\r\n");
    EXPECT_EQ(rx.appends.size(), 3u) << "two stop words in one line give one Stop line";
    EXPECT_EQ(wordView.Stop().editText, "NNNN") << "the first stop word in list order";
    EXPECT_EQ(Status(), "Status: warten");
    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
    EXPECT_TRUE(log.Has("toolbar2:1"));
    EXPECT_TRUE(log.Has("panel3:Speicherauslastung: 42 %"));
    EXPECT_EQ(pipeline.RxLineCount(), 4);
}

TEST_F(CaptureSwitchTest, StartWordSwitchesToWritingWithoutShowingItsLine) {
    EnterWaiting();
    machine.SetRxTextUnsaved(false);

    Receive("WODL40 EDZW 051200 FQEN\n");
    Receive("Ostsee West\n");

    EXPECT_EQ(wordView.Start().editText, "FQEN") << "FQEN comes first in the list";
    ASSERT_EQ(rx.appends.size(), 5u);
    EXPECT_EQ(rx.appends[3], "Start: 05.12.2026 13:03:10 (vom 05.Dez.2026-12:00 UTC)\r\n");
    EXPECT_EQ(rx.appends[4], "Ostsee West\n");
    EXPECT_EQ(Status(), "Status: mitschreiben");
    EXPECT_TRUE(log.Has("rxLocked:1"));
    EXPECT_TRUE(log.Has("toolbar2:0"));
    EXPECT_FALSE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
}

TEST_F(CaptureSwitchTest, StartWordsMatchCaseSensitiveSubstrings) {
    words.Fill("cq, ,", "NNNN,");
    EnterWaiting();

    Receive("CQCQ\n");
    EXPECT_TRUE(flags.captureIdle) << "\"cq\" does not match \"CQ\"";

    Receive("CQ CQ de\n");
    EXPECT_FALSE(flags.captureIdle) << "a blank word matches a line with a blank";
    EXPECT_EQ(wordView.Start().editText, " ");
}

TEST_F(CaptureSwitchTest, EmptyFirstStartWordSwitchesDetectionAndSavingOff) {
    words.Fill(",FQEN,", "NNNN,");
    EnterWaiting();

    Receive("FQEN50 EDZW 050600\n");

    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle) << "automatic saving is skipped too";
    EXPECT_TRUE(files.files.empty());
}

TEST_F(CaptureSwitchTest, LaterEmptyStartWordMatchesEveryLineButTheEmptyOne) {
    words.Fill("FQEN,,", "NNNN,");
    EnterWaiting();

    machine.CheckStartWords("");
    EXPECT_TRUE(flags.captureIdle);

    machine.CheckStartWords("x");
    EXPECT_FALSE(flags.captureIdle);
    EXPECT_EQ(wordView.Start().editText, "");
}

TEST_F(CaptureSwitchTest, EmptyFirstStopWordOrNoStopWortKeepsWriting) {
    words.Fill("FQEN,", ",NNNN,");
    machine.Command2_Click();
    Receive("NNNN\n");
    EXPECT_FALSE(flags.captureIdle);

    words.Fill("FQEN,", "NNNN,");
    settings.noStopWort = true;
    Receive("NNNN\n");
    EXPECT_FALSE(flags.captureIdle);
}

TEST_F(CaptureSwitchTest, NoStartWortNeverLeavesWaiting) {
    EnterWaiting();
    settings.noStartWort = true;

    Receive("FQEN50 EDZW 050600\n");

    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
}

TEST_F(CaptureSwitchTest, WeatherHeaderWithoutStartWordIsSavedToItsFile) {
    EnterWaiting();

    Receive("SMDL01 EDZW 051200\n");
    Receive("Kiel 1015\n");
    Receive("NNNN\n");

    EXPECT_EQ(files.files.at(std::string(kCaptureFile)), "SMDL01 EDZW 051200\n\r\nKiel 1015\n\r\nNNNN\n\r\n");
    ASSERT_EQ(rx.appends.size(), 5u) << "saved lines stay out of the Rx window";
    EXPECT_EQ(rx.appends[3], "Start Speichern: 05.12.2026 13:03:10 (vom 05Dez2026-1200 UTC)\r\n");
    EXPECT_EQ(rx.appends[4], "Stop Speichern: 05.12.2026 13:03:10\r\n");
    EXPECT_TRUE(log.Has("panel1:Status: mitspeichern"));
    EXPECT_EQ(wordView.Start().editText, "SMDL");
    EXPECT_EQ(wordView.Stop().editText, "NNNN");
    EXPECT_EQ(Status(), "Status: warten");
    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
}

TEST_F(CaptureSwitchTest, OriginatorCountsOnlyWithinTheFirstTwelveCharacters) {
    EnterWaiting();
    Receive("SMDL01XXXEDZW 051200\n");  // "EDZW" in characters 10 to 13
    EXPECT_TRUE(flags.saveIdle);

    Receive("SMDL01XXEDZW 051200\n");  // characters 9 to 12
    EXPECT_FALSE(flags.saveIdle);
}

TEST_F(CaptureSwitchTest, StartWordWinsOverSaving) {
    EnterWaiting();
    Receive("FQEN50 EDZW 050600\n");
    EXPECT_FALSE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
}

class SavingConditionTest : public CaptureTestRig, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(SavingConditionTest, OnlyWeatherWithAutomaticSavingSaves) {
    settings.category = GetParam().first;
    settings.autoSave = GetParam().second;
    EnterWaiting();

    Receive("SMDL01 EDZW 051200\n");

    EXPECT_TRUE(flags.saveIdle);
    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(files.files.empty());
}

INSTANTIATE_TEST_SUITE_P(OtherCategoryOrSwitchOff, SavingConditionTest,
                         ::testing::Values(std::pair{"AFu", true}, std::pair{"alles", true},
                                           std::pair{"Wetter", false}));

TEST_F(CaptureSwitchTest, EndingWhileSavingLeavesSaveIdleFalseAndNextReceptionWrites) {
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\n");
    machine.Command2_Click();

    EXPECT_FALSE(flags.saveIdle);
    EXPECT_EQ(rx.appends.back(), "Ende: 05.12.2026 13:03:10\r\n") << "no Stop Speichern line";

    machine.Command2_Click();
    Receive("Zeile\n");
    EXPECT_EQ(rx.appends.back(), "Zeile\n");

    Receive("NNNN\n");
    EXPECT_EQ(rx.appends.back(), "Stop: 05.12.2026 13:03:10\r\n");
    EXPECT_TRUE(flags.captureIdle);
    EXPECT_TRUE(flags.saveIdle);
}

TEST_F(CaptureSwitchTest, UnwritableLinesGoToTheRxWindowAndSavingGoesOn) {
    files.canWrite = false;
    EnterWaiting();
    machine.SetRxTextUnsaved(false);
    const auto countBefore = pipeline.RxLineCount();

    Receive("SMDL01 EDZW 051200\n");
    EXPECT_EQ(rx.appends.back(), "SMDL01 EDZW 051200\n");
    EXPECT_EQ(Status(), "Status: Speichern fehlgeschlagen");
    EXPECT_TRUE(machine.RxTextUnsaved());
    EXPECT_FALSE(flags.saveIdle) << "the saving state stays";

    Receive("Kiel 1015\n");
    EXPECT_EQ(rx.appends.back(), "Kiel 1015\n");
    EXPECT_EQ(pipeline.RxLineCount(), countBefore + 3) << "Start Speichern line and two shown lines";

    Receive("NNNN\n");
    EXPECT_EQ(rx.appends.back(), "Stop Speichern: 05.12.2026 13:03:10\r\n");
    EXPECT_TRUE(flags.saveIdle);
}

}  // namespace
}  // namespace zorbel
