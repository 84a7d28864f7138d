// The switches between writing, waiting and saving that received lines cause.

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using CaptureSwitchTest = CaptureTestRig;

const std::string kNow = "05.12.2026 13:03:10";
const std::string kStopLine = "Stop: " + kNow + "\r\n";
const std::string kStartSavingLine = "Start Speichern: " + kNow + " (vom 05Dez2026-1200 UTC)\r\n";
const std::string kStopSavingLine = "Stop Speichern: " + kNow + "\r\n";
constexpr std::wstring_view kCaptureFile = L"C:\\Wetterberichte\\Synop05Dez2026-1200.txt";

// A broadcast through all three states: what the Rx window, the capture file and the word boxes show.
TEST_F(CaptureSwitchTest, BroadcastIsWrittenCutAndSavedAsItsWordsSay) {
    machine.ToggleReception();
    log.calls.clear();
    Receive("ZCZC und NNNN\n");
    EXPECT_EQ(log.calls, (Calls{"rx:ZCZC und NNNN\n", "panel2:Zeilen:2", "rx:" + kStopLine, "panel2:Zeilen:3",
                                "panel1:Status: warten", "chrome", "panel3:Speicherauslastung: 42 %"}))
        << "two stop words in one line give one Stop line";
    EXPECT_EQ(wordView.Stop().editText, "NNNN") << "the first stop word in list order";
    EXPECT_EQ(view.shown, kChromeWaiting);

    Receive("WODL40 EDZW 051200 FQEN\nOstsee West\n");
    EXPECT_EQ(wordView.Start().editText, "FQEN") << "FQEN comes first in the list";
    EXPECT_EQ(Status(), "Status: mitschreiben");
    EXPECT_EQ(view.shown, kChromeReceiving);

    Receive("NNNN\nFQEN ohne Kopf\nNNNN\nSMDL01 EDZW 051200\nKiel 1015\n");
    EXPECT_EQ(Status(), "Status: mitspeichern");
    wordView.Stop().editText.clear();
    Receive("NNNN\n");
    // Start word lines and saved lines stay out of the Rx window; only a header gives a date.
    EXPECT_EQ(rx.text, "Beginn: " + kNow + "\r\n"
                       "ZCZC und NNNN\n" + kStopLine +
                       "Start: " + kNow + " (vom 05.Dez.2026-12:00 UTC)\r\n"
                       "Ostsee West\nNNNN\n" + kStopLine +
                       "Start: " + kNow + "\r\n"
                       "NNNN\n" + kStopLine + kStartSavingLine + kStopSavingLine);
    EXPECT_EQ(files.files.at(std::wstring(kCaptureFile)), "SMDL01 EDZW 051200\r\nKiel 1015\r\nNNNN\r\n");
    EXPECT_EQ(wordView.Stop().editText, "NNNN");
    EXPECT_EQ(Status(), "Status: warten");
    EXPECT_EQ(State(), "waiting");
}

// One received line in the waiting state, under the given word lists and settings.
struct WaitingLine {
    const char* name;
    const char* startList;
    CaptureCategory category;
    bool autoSave;
    bool noStartWord;
    std::string line;
    const char* state;
    const char* startEdit;  // nullptr: the prompt stays
};

const WaitingLine kWaitingLines[] = {
    {"CaseSensitive", "cq, ,", CaptureCategory::Weather, true, false, "CQCQ\n", "waiting", nullptr},
    {"BlankWordMatchesABlank", "cq, ,", CaptureCategory::Weather, true, false, "CQ CQ de\n", "writing", " "},
    {"EmptyFirstWordSwitchesDetectionAndSavingOff", ",FQEN,", CaptureCategory::Weather, true, false, "FQEN50 EDZW 050600\n",
     "waiting", nullptr},
    // A line feed as 81st character leaves an empty line.
    {"LaterEmptyWordSkipsTheEmptyLine", "FQEN,,", CaptureCategory::Weather, true, false, std::string(80, 'x') + "\n", "waiting",
     nullptr},
    {"LaterEmptyWordMatchesAnyOtherLine", "FQEN,,", CaptureCategory::Weather, true, false, "x\n", "writing", ""},
    {"NoStartWortNeverLeavesWaiting", "FQEN,", CaptureCategory::Weather, true, true, "FQEN50 EDZW 050600\n", "waiting", nullptr},
    {"StartWordWinsOverSaving", "FQEN,", CaptureCategory::Weather, true, false, "FQEN50 EDZW 050600\n", "writing", "FQEN"},
    {"OriginatorInCharacters10To13IsIgnored", "FQEN,", CaptureCategory::Weather, true, false, "SMDL01XXXEDZW 051200\n", "waiting",
     nullptr},
    {"OriginatorInCharacters9To12Saves", "FQEN,", CaptureCategory::Weather, true, false, "SMDL01XXEDZW 051200\n", "saving", "SMDL"},
    {"AFuDoesNotSave", "FQEN,", CaptureCategory::AmateurRadio, true, false, "SMDL01 EDZW 051200\n", "waiting", nullptr},
    {"AllesDoesNotSave", "FQEN,", CaptureCategory::Everything, true, false, "SMDL01 EDZW 051200\n", "waiting", nullptr},
    {"WetterWithoutAutoSaveDoesNotSave", "FQEN,", CaptureCategory::Weather, false, false, "SMDL01 EDZW 051200\n", "waiting",
     nullptr},
};

class WaitingLineTest : public CaptureTestRig, public ::testing::WithParamInterface<WaitingLine> {};

TEST_P(WaitingLineTest, SwitchesAsTheWordsAndSettingsSay) {
    const WaitingLine& row = GetParam();
    words.Fill(row.startList, "NNNN,");
    settings.category = row.category;
    settings.autoSave = row.autoSave;
    settings.noStartWord = row.noStartWord;
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
    settings.noStopWord = true;
    Receive("NNNN\n");
    EXPECT_EQ(State(), "writing");
}

// The long-line guard's chunks go where the state puts lines; only saved ones count for words.
TEST_F(CaptureSwitchTest, LongLineChunksFollowTheState) {
    machine.ToggleReception();
    log.calls.clear();
    Receive(std::string(80, 'x') + "\n");
    EXPECT_EQ(log.calls, (Calls{"rx:" + std::string(80, 'x') + "\n", "panel2:Zeilen:3", "rx:", "panel2:Zeilen:3"}))
        << "the chunk is counted before its append, the empty rest after";
    EXPECT_EQ(rxText.LineCount(), 4);

    Receive("NNNN\nFQEN" + std::string(77, 'x') + "rest\n");
    EXPECT_EQ(rx.appends.back(), kStopLine) << "dropped while waiting, its start word unseen";
    EXPECT_EQ(State(), "waiting");

    Receive("SMDL01 EDZW 051200\n" + std::string(77, 'x') + "NNNN\nFQEN50 EDZW 051200 next bulletin\n");
    EXPECT_EQ(files.files.at(std::wstring(kCaptureFile)),
              "SMDL01 EDZW 051200\r\n" + std::string(77, 'x') + "NNNN\r\n");
    EXPECT_EQ(Calls(rx.appends.end() - 3, rx.appends.end()),
              (Calls{"Start Speichern: 05.12.2026 13:03:10 (vom 05Dez2026-1200 UTC)\r\n", kStopSavingLine,
                     "Start: 05.12.2026 13:03:10 (vom 05.Dez.2026-12:00 UTC)\r\n"}));
    EXPECT_EQ(State(), "writing");
}

// No line is lost when the capture file refuses it; a missing folder is said once, with its path,
// after the line is shown.
TEST_F(CaptureSwitchTest, LinesTheFileRefusesGoToTheRxWindowAndAMissingFolderIsReportedOnce) {
    files.canWrite = false;
    EnterWaiting();
    rxText.SetUnsaved(false);
    const auto countBefore = rxText.LineCount();
    Receive("SMDL01 EDZW 051200\nKiel 1015\nNNNN\n");
    EXPECT_EQ(Calls(rx.appends.end() - 5, rx.appends.end()),
              (Calls{kStartSavingLine, "SMDL01 EDZW 051200\n", "Kiel 1015\n", "NNNN\n", kStopSavingLine}))
        << "saving goes on";
    EXPECT_EQ(rxText.LineCount(), countBefore + 5) << "two message lines and three shown lines";
    EXPECT_TRUE(rxText.Unsaved());
    EXPECT_TRUE(dialogs.shown.empty()) << "the folder is there";

    settings.wideCaptureFolder = L"E:\\Łódź";
    files.canCreateFolders = false;
    log.calls.clear();
    Receive("SMDL01 EDZW 051200\nNNNN\nSMDL01 EDZW 051200\nNNNN\n");
    EXPECT_EQ(Calls(log.calls.begin() + 3, log.calls.begin() + 7),
              (Calls{"rx:SMDL01 EDZW 051200\n", "panel2:Zeilen:10", "panel1:Status: Speichern fehlgeschlagen",
                     "box:Ordner zum Abspeichern fehlt"}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].prompt.starts_with("Der Ordner zum automatischen Abspeichern\r\n\r\nE:\\Łódź\r\n"))
        << dialogs.shown[0].prompt;
}

// Boxes run message loops of their own, in which the engine's characters arrive: reception goes on inside them, in
// order, with no second box, and ends for good when the box is about its end.
TEST_F(CaptureSwitchTest, CharactersArrivingWhileABoxStandsAreReceivedInOrderOrNotAtAllAfterTheEnd) {
    settings.wideCaptureFolder = L"E:\\weg";
    files.canCreateFolders = false;
    EnterWaiting();
    dialogs.whileNextBoxStands = [this] { hook.Deliver("Kiel 1015\nNNNN\nSMDL01 EDZW 051200\nNNNN\n"); };
    hook.Deliver("SMDL01 EDZW 051200\n");
    EXPECT_EQ(Calls(rx.appends.end() - 9, rx.appends.end()),
              (Calls{kStartSavingLine, "SMDL01 EDZW 051200\n", "Kiel 1015\n", "NNNN\n", kStopSavingLine,
                     kStartSavingLine, "SMDL01 EDZW 051200\n", "NNNN\n", kStopSavingLine}));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "one box for the folder, though it was missed twice";
    hook.Deliver("FQEN nach dem Kasten\n");
    EXPECT_EQ(State(), "writing") << "the start word after the box";

    dialogs.whileNextBoxStands = [this] { hook.Deliver("SPAET\n"); };
    machine.TakeEngineCharacter(300);
    EXPECT_FALSE(machine.ReceptionOn());
    EXPECT_EQ(rx.text.find("SPAET"), std::string::npos) << rx.text;
}

}  // namespace
}  // namespace zorbel
