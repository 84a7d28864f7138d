// Reception start and end by the record button and by a bad engine code:
// what the user sees, in order, and the chrome each leaves.

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using ReceptionStartEndTest = CaptureTestRig;

const std::string kBegin = "rx:Beginn: 05.12.2026 13:03:10\r\n";
const std::string kEnd = "rx:Ende: 05.12.2026 13:03:10\r\n";
const std::string kMemory = "panel3:Speicherauslastung: 42 %";

TEST_F(ReceptionStartEndTest, StartAndEndShowTheirStepsInOrder) {
    machine.ToggleReception();
    // Panel 2 shows the count at the append, raised just after it.
    EXPECT_EQ(log.calls, (Calls{"hook", kBegin, "panel2:Zeilen:1", "chrome", "panel1:Status: mitschreiben", kMemory}))
        << "an empty Rx window asks nothing";
    EXPECT_EQ(view.shown, kChromeReceiving);
    EXPECT_EQ(State(), "writing");
    EXPECT_TRUE(machine.RxTextUnsaved());

    log.calls.clear();
    machine.ToggleReception();
    EXPECT_EQ(log.calls, (Calls{"chrome", "unhook", kEnd, "panel2:Zeilen:2", "panel1:Status: Bereit", kMemory}));
    EXPECT_EQ(view.shown, kChromeEnded);
    EXPECT_FALSE(machine.ReceptionOn());
    EXPECT_EQ(pipeline.RxLineCount(), 3);
}

TEST_F(ReceptionStartEndTest, HalfLineAtTheEndIsALineOfItsOwnNeverJoinedToTheNextReception) {
    machine.ToggleReception();
    Receive("RIG IS HO");
    machine.ToggleReception();
    machine.ToggleReception();
    Receive("WEST 7\n");
    EXPECT_EQ(rx.text, kBegin.substr(3) + "RIG IS HO\n" + kEnd.substr(3) + kBegin.substr(3) + "WEST 7\n");

    // While saving it goes into the capture file, after what the long-line guard put there.
    machine.ToggleReception();
    EnterWaiting();
    Receive("SMDL01 EDZW 051200\n" + std::string(85, 'x'));
    machine.TakeEngineCharacter(300);
    EXPECT_EQ(files.files.at(L"C:\\Wetterberichte\\Synop05Dez2026-1200.txt"),
              "SMDL01 EDZW 051200\r\n" + std::string(85, 'x') + "\r\n");
    // While waiting lines are not kept; nothing is left for the next reception either.
    machine.ToggleReception();
    Receive("NNNN\nRIG IS HO");
    machine.ToggleReception();
    EXPECT_EQ(rx.appends.back(), kEnd.substr(3));
    EXPECT_EQ(label.shown, "");
}

TEST_F(ReceptionStartEndTest, EngineGoneEndsReceptionSaysSoAndTheNextStartStartsItFirst) {
    machine.ToggleReception();
    Receive("RIG IS HO");
    machine.CheckEngine();
    engine.gone = true;
    log.calls.clear();
    machine.CheckEngine();
    machine.CheckEngine();
    EXPECT_EQ(log.calls, (Calls{"rx:RIG IS HO\n", "panel2:Zeilen:2", "chrome", "unhook", kEnd, "panel2:Zeilen:3",
                                "panel1:Status: Keine Verbindung zum MMTTY-Engine", kMemory,
                                "box:Verbindung zum MMTTY-Engine verloren"}))
        << "the line cut off kept, then the end, once";
    EXPECT_EQ(dialogs.shown.back().kind, "exclamation");

    engine.startable = false;
    log.calls.clear();
    machine.ToggleReception();
    EXPECT_EQ(log.calls, Calls{"engine not started"}) << "reception stays off, the status says why";
    engine.startable = true;
    machine.ToggleReception();
    EXPECT_EQ(Calls(log.calls.begin() + 1, log.calls.begin() + 4), (Calls{"engine started", "hook", kBegin}));
    EXPECT_TRUE(machine.ReceptionOn());
}

TEST_F(ReceptionStartEndTest, TextInTheRxWindowIsQuestionedAndBothAnswersResetTheFormat) {
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        rx.text = "alter Text";
        machine.SetRxTextUnsaved(false);
        dialogs.answerYes = yes;
        log.calls.clear();
        machine.ToggleReception();

        Calls expected{"ask:Text löschen ?", "clear", "format:Courier New/10", "hook", kBegin};
        if (!yes) expected.erase(expected.begin() + 1);
        log.calls.resize(expected.size());
        EXPECT_EQ(log.calls, expected);
        EXPECT_EQ(dialogs.shown.back().prompt, "Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?");
        machine.ToggleReception();
    }
    // After reception has run, the window counts as unsaved: no question until saved or cleared.
    const auto asked = dialogs.shown.size();
    machine.ToggleReception();
    machine.ToggleReception();
    EXPECT_EQ(dialogs.shown.size(), asked);
}

TEST_F(ReceptionStartEndTest, MissingRxWindowOrEngineProcedureShowsABoxAndLeavesReceptionOff) {
    rx.exists = false;
    machine.ToggleReception();
    hook.installs = false;
    rx.exists = true;
    machine.ToggleReception();
    ASSERT_EQ(log.calls, (Calls{"box:Empfang nicht möglich", "hook failed", "box:Empfang nicht möglich"}));
    EXPECT_EQ(dialogs.shown.front().prompt,
              "Das Rx-Fenster konnte nicht angelegt werden (die RichEdit-Bibliothek Msftedit.dll fehlt).\r\n"
              "Ohne Rx-Fenster bleibt der Empfang ausgeschaltet.");
    EXPECT_EQ(dialogs.shown.back().kind, "exclamation");
    EXPECT_FALSE(machine.ReceptionOn());
    EXPECT_EQ(State(), "waiting") << "nothing switched";

    hook.installs = true;
    machine.ToggleReception();
    EXPECT_TRUE(machine.ReceptionOn()) << "a later click tries again";
}

TEST_F(ReceptionStartEndTest, CodeOutsideEightBitsEndsReceptionThenShowsTheError) {
    for (const int code : {256, -1}) {
        machine.ToggleReception();
        log.calls.clear();
        machine.TakeEngineCharacter(code);

        EXPECT_EQ(log.calls, (Calls{"chrome", "unhook", kEnd, "panel2:Zeilen:" + std::to_string(pipeline.RxLineCount() - 1),
                                    "panel1:Status: Bereit", kMemory, "box: Fehler:  5"}))
            << code;
        EXPECT_EQ(dialogs.shown.back().kind, "exclamation");
        EXPECT_EQ(dialogs.shown.back().prompt, "Ungültiger Prozeduraufruf oder ungültiges Argument");
        EXPECT_FALSE(machine.ReceptionOn());
    }
    machine.ToggleReception();
    machine.TakeEngineCharacter(255);
    EXPECT_EQ(label.shown, "\xFF");
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

}  // namespace
}  // namespace zorbel
