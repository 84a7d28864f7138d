// The switches between writing, waiting and saving that received lines cause.

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using CaptureSwitchTest = CaptureTestRig;

const std::string kStopLine = "Stop: 05.12.2026 13:03:10\r\n";
const std::string kStopSavingLine = "Stop Speichern: 05.12.2026 13:03:10\r\n";
constexpr std::wstring_view kCaptureFile = L"C:\\Wetterberichte\\Synop05Dez2026-1200.txt";

TEST_F(CaptureSwitchTest, StopWordWhileWritingShowsTheLineThenOneStopLine) {
    machine.ToggleReception();
    log.calls.clear();

    Receive("ZCZC und NNNN\n");

    EXPECT_EQ(log.calls, (Calls{"rx:ZCZC und NNNN\n", "panel2:Zeilen:2", "rx:" + kStopLine, "panel2:Zeilen:3",
                                "panel1:Status: warten", "chrome", "panel3:Speicherauslastung: 42 %"}))
        << "two stop words in one line give one Stop line";
    EXPECT_EQ(wordView.Stop().editText, "NNNN") << "the first stop word in list order";
    EXPECT_EQ(view.shown, kChromeWaiting);
    EXPECT_EQ(State(), "waiting");
    EXPECT_EQ(pipeline.RxLineCount(), 4);
}

TEST_F(CaptureSwitchTest, StartWordSwitchesToWritingWithoutShowingItsLine) {
    EnterWaiting();
    Receive("WODL40 EDZW 051200 FQEN\nOstsee West\n");

    EXPECT_EQ(log.calls.at(0), "rx:Start: 05.12.2026 13:03:10 (vom 05.Dez.2026-12:00 UTC)\r\n");
    EXPECT_EQ(rx.appends.back(), "Ostsee West\n");
    EXPECT_EQ(wordView.Start().editText, "FQEN") << "FQEN comes first in the list";
    EXPECT_EQ(Status(), "Status: mitschreiben");
    EXPECT_EQ(view.shown, kChromeReceiving);

    Receive("NNNN\nFQEN ohne Kopf\n");
    EXPECT_EQ(rx.appends.back(), "Start: 05.12.2026 13:03:10\r\n") << "no header, no header date";
}

// One received line in the waiting state, under the given word lists and settings.
struct WaitingLine {
    const char* name;
    const char* startList;
    const char* category;
    bool autoSave;
    bool noStartWort;
    const char* line;
    const char* state;
    const char* startEdit;  // nullptr: the prompt stays
};

const WaitingLine kWaitingLines[] = {
    {"CaseSensitive", "cq, ,", "Wetter", true, false, "CQCQ\n", "waiting", nullptr},
    {"BlankWordMatchesABlank", "cq, ,", "Wetter", true, false, "CQ CQ de\n", "writing", " "},
    {"EmptyFirstWordSwitchesDetectionAndSavingOff", ",FQEN,", "Wetter", true, false, "FQEN50 EDZW 050600\n",
     "waiting", nullptr},
    {"LaterEmptyWordSkipsTheEmptyLine", "FQEN,,", "Wetter", true, false, "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n", "waiting", nullptr},
    {"LaterEmptyWordMatchesAnyOtherLine", "FQEN,,", "Wetter", true, false, "x\n", "writing", ""},
    {"NoStartWortNeverLeavesWaiting", "FQEN,", "Wetter", true, true, "FQEN50 EDZW 050600\n", "waiting", nullptr},
    {"StartWordWinsOverSaving", "FQEN,", "Wetter", true, false, "FQEN50 EDZW 050600\n", "writing", "FQEN"},
    {"OriginatorInCharacters10To13IsIgnored", "FQEN,", "Wetter", true, false, "SMDL01XXXEDZW 051200\n", "waiting",
     nullptr},
    {"OriginatorInCharacters9To12Saves", "FQEN,", "Wetter", true, false, "SMDL01XXEDZW 051200\n", "saving", "SMDL"},
    {"AFuDoesNotSave", "FQEN,", "AFu", true, false, "SMDL01 EDZW 051200\n", "waiting", nullptr},
    {"AllesDoesNotSave", "FQEN,", "alles", true, false, "SMDL01 EDZW 051200\n", "waiting", nullptr},
    {"WetterWithoutAutoSaveDoesNotSave", "FQEN,", "Wetter", false, false, "SMDL01 EDZW 051200\n", "waiting",
     nullptr},
};

class WaitingLineTest : public CaptureTestRig, public ::testing::WithParamInterface<WaitingLine> {};

TEST_P(WaitingLineTest, SwitchesAsTheWordsAndSettingsSay) {
    const WaitingLine& row = GetParam();
    words.Fill(row.startList, "NNNN,");
    settings.category = row.category;
    settings.autoSave = row.autoSave;
    settings.noStartWort = row.noStartWort;
    EnterWaiting();

    Receive(row.line);

    EXPECT_EQ(State(), row.state);
    EXPECT_EQ(wordView.Start().editText, row.startEdit ? row.startEdit : "Startwort");
    EXPECT_EQ(files.files.empty(), std::string(row.state) != "saving");
}

INSTANTIATE_TEST_SUITE_P(Rows, WaitingLineTest, ::testing::ValuesIn(kWaitingLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptureSwitchTest, EmptyFirstStopWordOrNoStopWortKeepsWriting) {
    words.Fill("FQEN,", ",NNNN,");
    machine.ToggleReception();
    Receive("NNNN\n");
    EXPECT_EQ(State(), "writing");

    words.Fill("FQEN,", "NNNN,");
    settings.noStopWort = true;
    Receive("NNNN\n");
    EXPECT_EQ(State(), "writing");
}

TEST_F(CaptureSwitchTest, WeatherHeaderWithoutStartWordIsSavedToItsFile) {
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\nKiel 1015\n");
    EXPECT_EQ(Status(), "Status: mitspeichern");
    Receive("NNNN\n");

    EXPECT_EQ(files.files.at(std::wstring(kCaptureFile)), "SMDL01 EDZW 051200\r\nKiel 1015\r\nNNNN\r\n");
    EXPECT_EQ(rx.appends, (Calls{"Beginn: 05.12.2026 13:03:10\r\n", "NNNN\n", kStopLine,
                                 "Start Speichern: 05.12.2026 13:03:10 (vom 05Dez2026-1200 UTC)\r\n",
                                 kStopSavingLine}))
        << "saved lines stay out of the Rx window";
    EXPECT_EQ(wordView.Start().editText, "SMDL");
    EXPECT_EQ(wordView.Stop().editText, "NNNN");
    EXPECT_EQ(Status(), "Status: warten");
    EXPECT_EQ(State(), "waiting");
}

TEST_F(CaptureSwitchTest, LongLineWhileSavingReachesTheFileWholeAndItsStopWordCounts) {
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\n" + std::string(77, 'x') + "NNNN\nFQEN50 EDZW 051200 next bulletin\n");

    EXPECT_EQ(files.files.at(std::wstring(kCaptureFile)),
              "SMDL01 EDZW 051200\r\n" + std::string(77, 'x') + "NNNN\r\n");
    EXPECT_EQ(Calls(rx.appends.end() - 3, rx.appends.end()),
              (Calls{"Start Speichern: 05.12.2026 13:03:10 (vom 05Dez2026-1200 UTC)\r\n", kStopSavingLine,
                     "Start: 05.12.2026 13:03:10 (vom 05.Dez.2026-12:00 UTC)\r\n"}));
    EXPECT_EQ(State(), "writing");
}

TEST_F(CaptureSwitchTest, EndingWhileSavingLeavesSavingSetAndNextReceptionWrites) {
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\n");
    machine.ToggleReception();
    EXPECT_EQ(rx.appends.back(), "Ende: 05.12.2026 13:03:10\r\n") << "no Stop Speichern line";
    EXPECT_FALSE(flags.saveIdle);

    machine.ToggleReception();
    Receive("Zeile\n");
    EXPECT_EQ(rx.appends.back(), "Zeile\n");
    Receive("NNNN\n");
    EXPECT_EQ(rx.appends.back(), kStopLine);
    EXPECT_EQ(State(), "waiting");
}

TEST_F(CaptureSwitchTest, UnwritableLinesGoToTheRxWindowAndSavingGoesOn) {
    files.canWrite = false;
    EnterWaiting();
    machine.SetRxTextUnsaved(false);
    const auto countBefore = pipeline.RxLineCount();

    Receive("SMDL01 EDZW 051200\n");
    EXPECT_EQ(Status(), "Status: Speichern fehlgeschlagen");
    EXPECT_TRUE(machine.RxTextUnsaved());
    EXPECT_EQ(State(), "saving") << "the saving state stays";

    Receive("Kiel 1015\nNNNN\n");
    EXPECT_EQ(Calls(rx.appends.end() - 4, rx.appends.end()),
              (Calls{"SMDL01 EDZW 051200\n", "Kiel 1015\n", "NNNN\n", kStopSavingLine}));
    EXPECT_EQ(pipeline.RxLineCount(), countBefore + 5) << "two message lines and three shown lines";
}

// A folder on a drive that is gone: said once, with its path, after the line is shown; no line is lost.
TEST_F(CaptureSwitchTest, MissingCaptureFolderIsReportedOnceAndItsLinesGoToTheRxWindow) {
    settings.wideCaptureFolder = L"E:\\Łódź";
    files.canCreateFolders = false;
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\nKiel 1015\nNNNN\nSMDL01 EDZW 051200\nNNNN\n");

    const Calls shown(log.calls.begin() + 3, log.calls.begin() + 7);
    EXPECT_EQ(shown, (Calls{"rx:SMDL01 EDZW 051200\n", "panel2:Zeilen:5", "panel1:Status: Speichern fehlgeschlagen",
                            "box:Ordner zum Abspeichern fehlt"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].prompt.starts_with("Der Ordner zum automatischen Abspeichern\r\n\r\nE:\\Łódź\r\n"))
        << dialogs.shown[0].prompt;
    EXPECT_EQ(Calls(rx.appends.end() - 4, rx.appends.end()),
              (Calls{"Start Speichern: 05.12.2026 13:03:10 (vom 05Dez2026-1200 UTC)\r\n", "SMDL01 EDZW 051200\n",
                     "NNNN\n", "Stop Speichern: 05.12.2026 13:03:10\r\n"}));
}

}  // namespace
}  // namespace zorbel
