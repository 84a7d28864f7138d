// Reception start and end by button, bad engine code and engine gone: what the user sees, in order.

#include <algorithm>
#include <functional>

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

class ReceptionStartEndTest : public CaptureTestRig {
protected:
    // What the user has after each click: the Rx text, the panels, and whether characters arrive.
    std::string Seen() const {
        return rx.text + "|" + panels.Text(platform::Panel::Lines) + "|" + Status() + "|" +
               panels.Text(platform::Panel::Memory) + "|" + (hook.hooked ? "hooked" : "unhooked");
    }
};

const std::string kBegin = "rx:Beginn: 05.12.2026 13:03:10\r\n";
const std::string kEnd = "rx:Ende: 05.12.2026 13:03:10\r\n";
const std::string kMemory = "panel3:Speicherauslastung: 42 %";

TEST_F(ReceptionStartEndTest, StartAndEndShowTheirLinesStatusAndMemoryAndCharactersCountOnlyBetween) {
    Receive("FQEN\n");
    machine.ToggleReception();
    // Panel 2 shows the count at the append, raised just after it.
    EXPECT_EQ(Seen(), kBegin.substr(3) + "|Zeilen:1|Status: mitschreiben|" + kMemory.substr(7) + "|hooked");
    EXPECT_TRUE(dialogs.shown.empty()) << "an empty Rx window asks nothing";
    EXPECT_EQ(view.shown, kChromeReceiving);

    memoryStatus.figures.loadPercent = 57;
    machine.ToggleReception();
    Receive("FQEN\n");
    EXPECT_EQ(Seen(), kBegin.substr(3) + kEnd.substr(3) + "|Zeilen:2|Status: Bereit|Speicherauslastung: 57 %|unhooked");
    EXPECT_EQ(view.shown, kChromeEnded);
    EXPECT_EQ(rxText.LineCount(), 3);
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
    // The next reception writes (no "Stop Speichern" line); while waiting lines are not kept.
    rx.appends.clear();
    machine.ToggleReception();
    Receive("NNNN\nRIG IS HO");
    machine.ToggleReception();
    EXPECT_EQ(rx.appends, (Calls{kBegin.substr(3), "NNNN\n", "Stop: 05.12.2026 13:03:10\r\n", kEnd.substr(3)}));
    EXPECT_EQ(label.shown, "");
}

TEST_F(ReceptionStartEndTest, EngineGoneOrACodeOutsideEightBitsEndsReceptionThenSaysSoOnce) {
    struct Row {
        const char* name;
        std::function<void()> cause;
        std::string status;
        std::string box;
        std::string prompt;  // its start
    };
    const std::string badCode = "Ungültiger Prozeduraufruf oder ungültiges Argument";
    const Row rows[] = {
        {"engine gone", [&] { engine.gone = true; machine.CheckEngine(); machine.CheckEngine(); },
         "Keine Verbindung zur Engine", "Verbindung zur Engine verloren", "Die Engine ist nicht mehr da: "},
        {"256", [&] { machine.TakeEngineCharacter(256); }, "Bereit", " Fehler:  5", badCode},
        {"-1", [&] { machine.TakeEngineCharacter(-1); }, "Bereit", " Fehler:  5", badCode},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rxText.RestartLineCount();
        rx.text.clear();
        machine.ToggleReception();
        Receive("RIG IS HO");
        machine.CheckEngine();  // an engine still there changes nothing
        log.calls.clear();
        row.cause();
        // The line cut off is kept; the box comes once, after the end is shown.
        EXPECT_EQ(Seen(), kBegin.substr(3) + "RIG IS HO\n" + kEnd.substr(3) + "|Zeilen:3|Status: " + row.status + "|" +
                              kMemory.substr(7) + "|unhooked");
        EXPECT_EQ(view.shown, kChromeEnded);
        EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), "box:" + row.box), 1);
        EXPECT_EQ(log.calls.back(), "box:" + row.box);
        EXPECT_EQ("exclamation " + row.prompt,
                  dialogs.shown.back().kind + " " + dialogs.shown.back().prompt.substr(0, row.prompt.size()));
        engine.gone = false;
    }
    machine.ToggleReception();
    machine.TakeEngineCharacter(255);
    EXPECT_EQ(label.shown, "\xFF") << "the last 8-bit code is a character";
}

// Cleared, the window counts its lines from 1 again (20 lines before, the "Beginn" line read "Zeilen:21");
// kept, it counts on.
TEST_F(ReceptionStartEndTest, TextInTheRxWindowIsQuestionedAndBothAnswersResetTheFormat) {
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        rx.text = "alter Text\n";
        rx.format = "Arial/8";
        rxText.RestartLineCount();
        for (int line = 0; line < 20; ++line) rxText.RxKeyDown(13);
        rxText.SetUnsaved(false);
        dialogs.answerYes = yes;
        dialogs.shown.clear();
        machine.ToggleReception();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, "Text löschen ?");
        EXPECT_EQ(Seen(), (yes ? "" : "alter Text\n") + kBegin.substr(3) + (yes ? "|Zeilen:1" : "|Zeilen:21") +
                                   "|Status: mitschreiben|" + kMemory.substr(7) + "|hooked");
        EXPECT_EQ(rx.format, "Courier New/10");
        machine.ToggleReception();
    }
    // After reception has run, the window counts as unsaved: no question until saved or cleared.
    const auto asked = dialogs.shown.size();
    machine.ToggleReception();
    EXPECT_EQ(dialogs.shown.size(), asked);
}

// A missing Rx window or engine procedure shows a box; an engine gone is started again first.
TEST_F(ReceptionStartEndTest, AStartThatCannotBeginLeavesReceptionOffAndALaterClickTriesAgain) {
    rx.exists = false;
    engine.gone = true;
    engine.startable = false;
    machine.ToggleReception();
    rx.exists = true;
    machine.ToggleReception();
    engine.startable = true;
    hook.installs = false;
    machine.ToggleReception();
    EXPECT_EQ(log.calls, (Calls{"box:Empfang nicht möglich", "engine not started", "engine started", "hook failed",
                                "box:Empfang nicht möglich"}));
    EXPECT_FALSE(machine.ReceptionOn());
    EXPECT_EQ(State(), "waiting") << "nothing switched";

    hook.installs = true;
    machine.ToggleReception();
    EXPECT_FALSE(engine.gone);
    EXPECT_EQ(Seen(), kBegin.substr(3) + "|Zeilen:1|Status: mitschreiben|" + kMemory.substr(7) + "|hooked");
}

}  // namespace
}  // namespace zorbel
