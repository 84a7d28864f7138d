// Reception start and end by the record button: their steps in order and
// the clear question.

#include <string>
#include <vector>

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using ReceptionStartEndTest = CaptureTestRig;

TEST_F(ReceptionStartEndTest, StartRunsItsStepsInOrder) {
    machine.Command2_Click();

    const std::vector<std::string> expected{
        "rx:Beginn: 05.12.2026 13:03:10\r\n",
        "panel2:Zeilen:1",  // the count shown at the append, raised just after it
        "caption:&Stop",
        "hook",
        "panel1:Status: mitschreiben",
        "toolbars:0",
        "fileHelp:0",
        "rxLocked:1",
        "panel3:Speicherauslastung: 42 %",
        "rxKill:0",
    };
    EXPECT_EQ(log.calls, expected);
    EXPECT_TRUE(dialogs.shown.empty()) << "an empty Rx window asks nothing";
    EXPECT_FALSE(flags.captureIdle);
    EXPECT_TRUE(machine.RxTextUnsaved());
    EXPECT_EQ(pipeline.RxLineCount(), 2);
}

TEST_F(ReceptionStartEndTest, EndRunsItsStepsInOrder) {
    machine.Command2_Click();
    log.calls.clear();

    machine.Command2_Click();

    const std::vector<std::string> expected{
        "caption:&mitschreiben",
        "unhook",
        "rx:Ende: 05.12.2026 13:03:10\r\n",
        "panel2:Zeilen:2",
        "panel1:Status: Bereit",
        "toolbars:1",
        "fileHelp:1",
        "rxLocked:0",
        "panel3:Speicherauslastung: 42 %",
        "rxKill:1",
    };
    EXPECT_EQ(log.calls, expected);
    EXPECT_TRUE(flags.captureIdle);
    EXPECT_FALSE(machine.ReceptionOn());
    EXPECT_EQ(pipeline.RxLineCount(), 3);
}

TEST_F(ReceptionStartEndTest, TextInRxWindowIsQuestionedOnceAndYesClearsBeforeBeginLine) {
    rx.text = "alter Text";
    machine.Command2_Click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "question");
    EXPECT_EQ(dialogs.shown[0].prompt, "Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?");
    EXPECT_EQ(dialogs.shown[0].title, "Text löschen ?");
    ASSERT_GE(log.calls.size(), 3u);
    EXPECT_EQ(log.calls[0], "clearRx");
    EXPECT_EQ(log.calls[1], "resetFormat:Courier New/10");
    EXPECT_EQ(log.calls[2].rfind("rx:Beginn: ", 0), 0u);

    // After reception has run, the window counts as unsaved: no question until saved or cleared.
    machine.Command2_Click();
    machine.Command2_Click();
    EXPECT_EQ(dialogs.shown.size(), 1u);

    machine.Command2_Click();
    machine.SetRxTextUnsaved(false);
    machine.Command2_Click();
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(ReceptionStartEndTest, NoKeepsTheTextButStillResetsTheFormat) {
    rx.text = "alter Text";
    dialogs.answerYes = false;
    machine.Command2_Click();

    EXPECT_FALSE(log.Has("clearRx"));
    EXPECT_EQ(log.calls.front(), "resetFormat:Courier New/10");
}

}  // namespace
}  // namespace zorbel
