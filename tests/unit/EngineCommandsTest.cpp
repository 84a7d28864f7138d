// The user's commands to the engine: the notch filter dialog and the engine
// window's visibility, against an engine that answers as told.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/EngineAnswerCollector.h"
#include "engine/EngineWindowControl.h"
#include "engine/NotchDialog.h"
#include "fakes/FakeDialogs.h"

namespace zorbel::engine {
namespace {

struct Posted {
    std::int32_t code;
    std::int32_t value;
    bool operator==(const Posted&) const = default;
};

// Answers each value query with the answers queued for it; what it does not
// answer keeps its value from before, as in the real link.
class FakeEngineChannel : public EngineChannel {
public:
    bool PostEngineCommand(EngineCommand code, std::int32_t value) override {
        posted.push_back({static_cast<std::int32_t>(code), value});
        return postSucceeds && code != failingCommand;
    }
    EngineAnswers WaitForEngineValues() override {
        EngineAnswerCollector collector(values_);
        for (const auto& [code, value] : answers) collector.Take(static_cast<std::int32_t>(code), value);
        return {values_, collector.Answered()};
    }

    std::vector<Posted> posted;
    std::vector<std::pair<EngineAnswer, std::int32_t>> answers;
    bool postSucceeds = true;
    std::optional<EngineCommand> failingCommand;

private:
    EngineValues values_;
};

class FakeInputBox : public InputBox {
public:
    std::optional<std::string> Ask(std::string_view prompt, std::string_view title,
                                   std::string_view defaultText) override {
        asked.push_back({std::string(prompt), std::string(title), std::string(defaultText)});
        return answer;
    }

    struct Question {
        std::string prompt, title, defaultText;
    };
    std::vector<Question> asked;
    std::optional<std::string> answer;
};

class CountingBeeper : public Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class RecordedCheck : public MenuCheck {
public:
    void SetChecked(bool isChecked) override { checked.push_back(isChecked); }
    std::vector<bool> checked;
};

const Posted kQuery{7, 0};

class NotchDialogTest : public ::testing::Test {
protected:
    NotchDialogTest() {
        engine.answers = {{EngineAnswer::ValueA, 2125}, {EngineAnswer::ValueB, 2295}, {EngineAnswer::NotchPair, 0x04B0}};
    }

    // One use of the menu entry with the given answer in the input box.
    void Use(std::optional<std::string> answer) {
        input.answer = std::move(answer);
        engine.posted.clear();
        dialog.munNotch1_Click();
    }

    FakeEngineChannel engine;
    FakeInputBox input;
    fakes::FakeDialogs boxes;
    CountingBeeper beeper;
    NotchDialog dialog{engine, input, boxes, beeper};
};

TEST_F(NotchDialogTest, FirstUseTakesBothNotchesFromTheEngine) {
    Use(std::nullopt);

    EXPECT_EQ(engine.posted, std::vector<Posted>{kQuery});
    EXPECT_EQ(dialog.Notch1(), 1200);
    EXPECT_EQ(dialog.Notch2(), 1200) << "a notch only in the low word serves both";
    ASSERT_EQ(input.asked.size(), 1u);
    EXPECT_EQ(input.asked[0].defaultText, " 2210");
    EXPECT_EQ(input.asked[0].title, " Notch  1 - Frequenz Eingabe");
    EXPECT_EQ(input.asked[0].prompt,
              "Bitte die Notch-Frequenz eingeben (in Hz).\r\n"
              "\r\n"
              "Orientieren Sie sich dabei an der\r\n"
              "Markfrequenz (linke 'Zacke').\r\n"
              "\r\n"
              "Stand: Notch 1  1200 Hz\r\n"
              "           Notch 2  1200 Hz");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(NotchDialogTest, TheEnteredNotchGoesIntoTheLowWordAndTheStepsAlternate) {
    Use("1000");
    EXPECT_EQ(engine.posted, (std::vector<Posted>{kQuery, {23, 78644200}})) << "1200 * 65536 + 1000";

    // Later uses keep the program's own notches, whatever the engine reports.
    engine.answers.back().second = 0x0BB80BB8;
    Use("1200");
    EXPECT_EQ(input.asked[1].title, " Notch  2 - Frequenz Eingabe");
    EXPECT_NE(input.asked[1].prompt.find("Stand: Notch 1  1000 Hz\r\n           Notch 2  1200 Hz"), std::string::npos);
    EXPECT_EQ(engine.posted, (std::vector<Posted>{kQuery, {23, 65537200}})) << "1000 * 65536 + 1200";

    Use("900");
    EXPECT_EQ(input.asked[2].title, " Notch  1 - Frequenz Eingabe");
    EXPECT_EQ(engine.posted.back(), (Posted{23, 1200 * 65536 + 900}));
}

TEST_F(NotchDialogTest, EntriesAreReadLikeValAndRoundedHalfToEven) {
    const std::vector<std::pair<std::string, std::int32_t>> cases{
        {"1000.5", 1000}, {"1001.5", 1002}, {"1234 Hz", 1234}, {" 1 2 3", 123},
        {"1.5E3", 1500},  {"2d3", 2000},    {"Hz", 0},         {"-0.4", 0},
        {"32767.4", 32767}};
    for (const auto& [entry, expected] : cases) {
        Use(entry);
        ASSERT_EQ(engine.posted.size(), 2u) << entry;
        EXPECT_EQ(engine.posted.back().value & 0xFFFF, expected) << entry;
    }
}

TEST_F(NotchDialogTest, EntriesOutsideTheSixteenBitRangeAreRefused) {
    for (const std::string entry : {"40000", "32767.5", "-1", "1e400"}) {
        boxes.shown.clear();
        Use(entry);
        EXPECT_EQ(engine.posted, std::vector<Posted>{kQuery}) << entry;
        ASSERT_EQ(boxes.shown.size(), 1u) << entry;
        EXPECT_EQ(boxes.shown[0].kind, "exclamation");
        EXPECT_EQ(boxes.shown[0].prompt, "Bitte eine Frequenz zwischen 0 und 32767 Hz eingeben.");
        EXPECT_EQ(boxes.shown[0].title, "Notchfilter");
    }
}

TEST_F(NotchDialogTest, CancelSendsNothingButTheNextUseAsksForNotchTwo) {
    Use(std::nullopt);
    Use("");
    EXPECT_EQ(engine.posted, std::vector<Posted>{kQuery});
    Use(std::nullopt);
    EXPECT_EQ(input.asked[2].title, " Notch  1 - Frequenz Eingabe");
    EXPECT_EQ(input.asked[1].title, " Notch  2 - Frequenz Eingabe");
}

TEST_F(NotchDialogTest, DefaultIsTheExactMeanWithStrsBlank) {
    engine.answers = {{EngineAnswer::ValueA, 2125}, {EngineAnswer::ValueB, 2296}};
    Use(std::nullopt);
    engine.answers = {{EngineAnswer::ValueA, 1}, {EngineAnswer::ValueB, 0}};
    Use(std::nullopt);
    engine.answers = {{EngineAnswer::ValueA, -3}, {EngineAnswer::ValueB, 0}};
    Use(std::nullopt);
    ASSERT_EQ(input.asked.size(), 3u);
    EXPECT_EQ(input.asked[0].defaultText, " 2210.5");
    EXPECT_EQ(input.asked[1].defaultText, " .5");
    EXPECT_EQ(input.asked[2].defaultText, "-1.5");
}

TEST_F(NotchDialogTest, SilentEngineGivesTheErrorBoxAndThenNothing) {
    engine.answers.clear();
    Use("1000");

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "exclamation");
    EXPECT_EQ(boxes.shown[0].prompt, "Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!");
    EXPECT_EQ(boxes.shown[0].title, "Fehler");
    EXPECT_TRUE(input.asked.empty()) << "both engine values are 0";
    EXPECT_EQ(engine.posted, std::vector<Posted>{kQuery});
    EXPECT_EQ(dialog.NotchStep(), 1);
}

TEST_F(NotchDialogTest, NoEngineWindowGivesTheErrorBoxWithoutWaiting) {
    engine.postSucceeds = false;
    Use("1000");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "Fehler");
    EXPECT_TRUE(input.asked.empty());
    EXPECT_EQ(dialog.NotchStep(), 0) << "the next use is still the first";
}

TEST_F(NotchDialogTest, AFailedNotchCommandOnlyBeeps) {
    engine.failingCommand = EngineCommand::SetNotch;
    Use("1000");

    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

class EngineWindowControlTest : public ::testing::Test {
protected:
    FakeEngineChannel engine;
    fakes::FakeDialogs boxes;
    RecordedCheck engineAus;
    EngineWindowControl control{engine, boxes, engineAus};
};

TEST_F(EngineWindowControlTest, TheMenuEntryHidesThenShows) {
    control.mnuEngineAus_Click();
    control.mnuEngineAus_Click();
    EXPECT_EQ(engine.posted, (std::vector<Posted>{{16, 0}, {16, 1}}));
    EXPECT_EQ(engineAus.checked, (std::vector<bool>{true, false}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EngineWindowControlTest, AFailedToggleIsReportedAndKeepsTheNewCheckMark) {
    engine.postSucceeds = false;
    control.mnuEngineAus_Click();
    EXPECT_TRUE(control.Hidden());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, "Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!");
    EXPECT_EQ(boxes.shown[0].title, "Fehler");
}

TEST_F(EngineWindowControlTest, ResizeHidesSilentlyAndDocksWidthFirst) {
    engine.postSucceeds = false;
    control.HideForResize();
    EXPECT_TRUE(control.Hidden());
    EXPECT_TRUE(boxes.shown.empty());

    control.DockUnder(12, 640, 800);
    EXPECT_EQ(engine.posted, (std::vector<Posted>{{16, 0}, {6, 800}, {5, 640 * 65536 + 12}}));
    EXPECT_TRUE(control.Hidden()) << "docking does not show the engine window";
}

}  // namespace
}  // namespace zorbel::engine
