// What the user sees of the engine: the notch filter, the engine window and opening the link.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/EngineAnswerCollector.h"
#include "capture/EngineConnection.h"
#include "capture/EngineWindowControl.h"
#include "capture/NotchCommand.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {
using engine::EngineAnswer;
using engine::EngineAnswerCollector;
using engine::EngineCommand;
using engine::EngineValues;

using Shown = fakes::FakeDialogs::Shown;
using Posts = std::vector<std::pair<EngineCommand, std::int32_t>>;

const Shown kNoConnection{"exclamation", "Es konnte keine Verbindung zur Engine hergestellt werden!", "Fehler",
                          ""};

// Answers each value query with the answers queued for it; what it does not
// answer keeps its value from before, as in the real link.
class FakeEngineChannel : public platform::EngineChannel {
public:
    bool PostEngineCommand(EngineCommand code, std::int32_t value) override {
        posted.emplace_back(code, value);
        return postSucceeds && code != failingCommand;
    }
    engine::EngineAnswers WaitForEngineValues() override {
        EngineAnswerCollector collector(values_);
        for (const auto& [code, value] : answers) collector.Take(static_cast<std::int32_t>(code), value);
        return collector.Result();
    }

    Posts posted;
    std::vector<std::pair<EngineAnswer, std::int32_t>> answers{
        {EngineAnswer::ValueA, 2125}, {EngineAnswer::ValueB, 2295}, {EngineAnswer::NotchPair, 0x04B0}};
    bool postSucceeds = true;
    std::optional<EngineCommand> failingCommand;

private:
    EngineValues values_;
};

class NotchCommandTest : public ::testing::Test {
protected:
    // One use of the menu entry with the given answer to the question.
    void Use(std::optional<std::string> answer) {
        dialogs.textAnswer = std::move(answer);
        dialogs.shown.clear();
        engine.posted.clear();
        notch.AskAndSendNotch();
    }
    const Shown& Asked() const { return dialogs.shown.at(0); }

    FakeEngineChannel engine;
    fakes::FakeDialogs dialogs;
    NotchCommand notch{engine, dialogs};
};

// Cancel, or an empty entry, sends nothing, but the next use asks for the other notch.
TEST_F(NotchCommandTest, FirstUseTakesBothNotchesFromTheEngineAndAsksAndCancelSendsNothing) {
    Use(std::nullopt);
    EXPECT_EQ(engine.posted, (Posts{{EngineCommand::QueryValues, 0}}));
    const std::string prompt = "Bitte die Notch-Frequenz eingeben (in Hz).\r\n\r\nOrientieren Sie sich dabei an der\r\n"
                               "Markfrequenz (linke 'Zacke').\r\n\r\nStand: Notch 1  1200 Hz\r\n           Notch 2  1200 Hz";
    EXPECT_EQ(dialogs.shown, (std::vector<Shown>{{"text", prompt, " Notch  1 - Frequenz Eingabe", " 2210"}}))
        << "a notch only in the low word serves both";
    Use("");
    EXPECT_EQ(Asked().title, " Notch  2 - Frequenz Eingabe");
    EXPECT_EQ(engine.posted, (Posts{{EngineCommand::QueryValues, 0}}));
    Use(std::nullopt);
    EXPECT_EQ(Asked().title, " Notch  1 - Frequenz Eingabe");
}

TEST_F(NotchCommandTest, TheEnteredNotchGoesIntoTheLowWordAndTheStepsAlternate) {
    Use("1000");
    EXPECT_EQ(engine.posted.back(), std::pair(EngineCommand::SetNotch, 1200 * 65536 + 1000));

    // Later uses keep the program's own notches, whatever the engine reports.
    engine.answers.back().second = 0x0BB80BB8;
    Use("1200");
    EXPECT_EQ(Asked().title, " Notch  2 - Frequenz Eingabe");
    EXPECT_NE(Asked().prompt.find("Notch 1  1000 Hz\r\n           Notch 2  1200 Hz"), std::string::npos);
    EXPECT_EQ(engine.posted.back(), std::pair(EngineCommand::SetNotch, 1000 * 65536 + 1200));

    Use("900");
    EXPECT_EQ(Asked().title, " Notch  1 - Frequenz Eingabe");
    EXPECT_EQ(engine.posted.back(), std::pair(EngineCommand::SetNotch, 1200 * 65536 + 900));
}

TEST_F(NotchCommandTest, TheNotchesAreTakenOverAtTheFirstUseWhoseAnswerHoldsThePair) {
    engine.answers.pop_back();
    Use(std::nullopt);
    engine.answers.emplace_back(EngineAnswer::NotchPair, 0x03E804B0);
    Use("900");
    EXPECT_NE(Asked().prompt.find("Notch 1  1000 Hz\r\n           Notch 2  1200 Hz"), std::string::npos)
        << Asked().prompt;
    EXPECT_EQ(engine.posted.back(), std::pair(EngineCommand::SetNotch, 1000 * 65536 + 900))
        << "the engine's notch 1 is kept";
}

TEST_F(NotchCommandTest, EntriesAreReadLikeValRoundedHalfToEvenAndKeptInSixteenBits) {
    const Shown kRange{"exclamation", "Bitte eine Frequenz zwischen 0 und 32767 Hz eingeben.", "Notchfilter", ""};
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases{
        {"1000.5", 1000}, {"1001.5", 1002},      {"1234 Hz", 1234},       {" 1 2 3", 123}, {"1.5E3", 1500},
        {"2d3", 2000},    {"Hz", 0},             {"-0.4", 0},             {"32767.4", 32767},
        {"40000", {}},    {"32767.5", {}},       {"-1", {}},              {"1e400", {}}};
    for (const auto& [entry, notchSent] : cases) {
        Use(entry);
        if (notchSent) {
            ASSERT_EQ(engine.posted.size(), 2u) << entry;
            EXPECT_EQ(engine.posted.back().second & 0xFFFF, *notchSent) << entry;
        } else {
            EXPECT_EQ(engine.posted.size(), 1u) << entry << " sends only the query";
            EXPECT_EQ(dialogs.shown.back(), kRange) << entry;
        }
    }
}

TEST_F(NotchCommandTest, DefaultIsTheExactMeanWrittenLikeStr) {
    for (const auto& [mark, space, defaultText] : {std::tuple{2125, 2296, " 2210.5"}, {1, 0, " .5"}, {-3, 0, "-1.5"}}) {
        engine.answers = {{EngineAnswer::ValueA, mark}, {EngineAnswer::ValueB, space}};
        Use(std::nullopt);
        EXPECT_EQ(Asked().defaultText, defaultText) << mark << " " << space;
    }
}

TEST_F(NotchCommandTest, EngineFailures) {
    // A silent engine: the box, then no question since both values are 0.
    engine.answers.clear();
    Use("1000");
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{kNoConnection});
    EXPECT_EQ(engine.posted, (Posts{{EngineCommand::QueryValues, 0}})) << "no pair";
    EXPECT_EQ(notch.NotchStep(), 1);

    // No engine window: the box without waiting, and the next use is still the first.
    NotchCommand fresh{engine, dialogs};
    engine.postSucceeds = false;
    dialogs.shown.clear();
    fresh.AskAndSendNotch();
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{kNoConnection});
    EXPECT_EQ(fresh.NotchStep(), 0);

    // A refused notch command only beeps.
    engine.postSucceeds = true;
    engine.answers = {{EngineAnswer::ValueA, 2125}};
    engine.failingCommand = EngineCommand::SetNotch;
    Use("1000");
    EXPECT_EQ(dialogs.shown.back().kind, "beep");
    EXPECT_EQ(dialogs.shown.size(), 2u) << "the question and the beep";
}

TEST(EngineWindowControlTest, MenuEntryTogglesAndReportsAFailedPostResizeHidesSilentlyAndDocksWidthFirst) {
    FakeEngineChannel engine;
    fakes::FakeDialogs dialogs;
    fakes::FakeMenuChecks checks;
    EngineWindowControl control{engine, dialogs, checks};
    const auto checked = [&checks] { return checks.checks[platform::MenuEntry::EngineHidden]; };

    control.ToggleEngineWindow();
    EXPECT_TRUE(checked());
    control.ToggleEngineWindow();
    EXPECT_FALSE(checked());
    EXPECT_EQ(engine.posted, (Posts{{EngineCommand::Visibility, 0}, {EngineCommand::Visibility, 1}}));
    EXPECT_TRUE(dialogs.shown.empty());

    engine.postSucceeds = false;
    control.ToggleEngineWindow();
    EXPECT_TRUE(control.Hidden() && checked()) << "the check mark keeps its new state";
    EXPECT_EQ(dialogs.shown, std::vector<Shown>{kNoConnection});

    control.ToggleEngineWindow();
    engine.posted.clear();
    dialogs.shown.clear();
    control.HideForResize();
    EXPECT_TRUE(control.Hidden() && checked());
    EXPECT_TRUE(dialogs.shown.empty()) << "no box for a failed hide before a resize";

    control.DockUnder(12, 640, 800);
    EXPECT_EQ(engine.posted, (Posts{{EngineCommand::Visibility, 0},
                                    {EngineCommand::DockWidth, 800},
                                    {EngineCommand::DockPosition, 640 * 65536 + 12}}));
    EXPECT_TRUE(control.Hidden()) << "docking does not show the engine window";
}

// Each way opening the link ends, at start-up and when reception starts the
// engine again: what the user sees, and where the new engine window goes.
TEST(EngineConnectionTest, EachOutcomeShowsItselfAndAnEngineBackTakesTheOldWindowsPlace) {
    struct Opener : platform::EngineLinkOpener, platform::EngineWindowPlace {
        LinkOutcome OpenEngineLink() override { return outcome; }
        bool EngineGone() override { return false; }
        void PlaceEngineWindow() override { ++docked; }
        LinkOutcome outcome = LinkOutcome::Linked;
        int docked = 0;
    };
    struct Row {
        LinkOutcome outcome;
        const char* seen;  // box or status, caption, memory panel
        bool startedAgain;
    };
    const Row rows[] = {
        {LinkOutcome::NoBlock, "box Katastrophaler Fehler||", false},
        {LinkOutcome::NoView, "box Katastrophaler Fehler||", false},
        {LinkOutcome::EngineMissing, "Status: MMTTY nicht gefunden!||", false},
        {LinkOutcome::NoHandshake, "Status: Keine Verbindung zur Engine|linked|Speicherauslastung: 42 %", false},
        {LinkOutcome::Linked, "Status: Bereit|linked|Speicherauslastung: 42 %", true},
    };
    for (const Row& row : rows) {
        for (const bool hidden : {false, true}) {
            Opener opener;
            opener.outcome = row.outcome;
            fakes::FakeStatusPanels panels;
            fakes::FakeDialogs dialogs;
            fakes::FakeThemeControls window;
            fakes::FakeMemoryStatus memoryStatus;
            memoryStatus.figures.loadPercent = 42;
            fakes::FakeGermanLocale locale;
            MemoryDisplay memory{memoryStatus, locale, panels, dialogs};
            FakeEngineChannel engine;
            fakes::FakeMenuChecks checks;
            EngineWindowControl engineWindow{engine, dialogs, checks};
            if (hidden) engineWindow.ToggleEngineWindow();
            engine.posted.clear();
            EngineConnection connection{{opener, panels, dialogs, window, memory, engineWindow, opener}};

            EXPECT_EQ(connection.StartEngineAgain(), row.startedAgain);
            const std::string seen =
                (dialogs.shown.empty() ? panels.Text(platform::Panel::Status) : "box " + dialogs.shown[0].title) +
                "|" + (window.title.empty() ? "" : "linked") + "|" + panels.Text(platform::Panel::Memory);
            const std::string state = seen + (hidden ? ", engine window hidden" : ", shown");
            EXPECT_EQ(seen, row.seen) << state;
            EXPECT_TRUE(window.title.empty() || window.title.starts_with("ZORBEL   V")) << window.title;
            EXPECT_EQ(opener.docked, row.startedAgain && !hidden ? 1 : 0) << state;
            const Posts hiddenAgain = row.startedAgain && hidden ? Posts{{EngineCommand::Visibility, 0}} : Posts{};
            EXPECT_EQ(engine.posted, hiddenAgain) << state << ": hidden as the menu says";
        }
    }
}

}  // namespace
}  // namespace zorbel
