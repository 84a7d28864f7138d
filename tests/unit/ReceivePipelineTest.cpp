#include <gtest/gtest.h>

#include "capture/ReceivePipeline.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using platform::Panel;

class ReceivePipelineTest : public ::testing::Test {
protected:
    void Feed(std::string_view text) {
        for (char c : text) pipeline.AppendToLineBuffer(c);
    }

    fakes::FakeRxView rx;
    fakes::FakeStatusPanels panels;
    fakes::FakeLineLabel label;
    CaptureFlags flags;
    ReceivePipeline pipeline{rx, panels, label, flags};
};

TEST_F(ReceivePipelineTest, EightyCharactersStayInTheBufferAndTheEightyFirstFlushesAll) {
    flags.captureIdle = false;
    Feed(std::string(80, 'a'));
    EXPECT_EQ(pipeline.LineBuffer().size(), 80u);
    EXPECT_EQ(label.shown, std::string(80, 'a'));
    EXPECT_TRUE(rx.text.empty());

    Feed("b");
    EXPECT_EQ(rx.text, std::string(80, 'a') + "b");
    EXPECT_EQ(pipeline.LineBuffer(), "");
    EXPECT_EQ(label.shown, "");
    EXPECT_EQ(pipeline.RxLineCount(), 2);
}

TEST_F(ReceivePipelineTest, LongLineInTheWritingStateArrivesAsChunksWithoutBreak) {
    flags.captureIdle = false;
    std::string line;
    for (int i = 0; i < 200; ++i) line.push_back(static_cast<char>('A' + i % 26));
    Feed(line);

    ASSERT_EQ(rx.appends.size(), 2u);
    EXPECT_EQ(rx.appends[0], line.substr(0, 81));
    EXPECT_EQ(rx.appends[1], line.substr(81, 81));
    EXPECT_EQ(pipeline.LineBuffer(), line.substr(162));
    EXPECT_EQ(pipeline.RxLineCount(), 3);
    // The count is raised before each flush reaches the window, so the
    // panel already shows it.
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:3");
}

TEST_F(ReceivePipelineTest, LongLineWhileNotWritingIsDroppedEverywhere) {
    flags.captureIdle = true;
    Feed(std::string(200, 'x') + "\n");
    EXPECT_TRUE(rx.appends.empty());
    EXPECT_EQ(pipeline.LineBuffer(), std::string(38, 'x') + "\n");
    EXPECT_EQ(pipeline.RxLineCount(), 1);
}

TEST_F(ReceivePipelineTest, LineFeedAsEightyFirstCharacterIsFlushedWithTheLine) {
    flags.captureIdle = false;
    Feed(std::string(80, 'z') + "\n");
    EXPECT_EQ(rx.text, std::string(80, 'z') + "\n");
    EXPECT_EQ(pipeline.LineBuffer(), "");
}

TEST_F(ReceivePipelineTest, SettingTheWholeBufferRunsTheGuardToo) {
    flags.captureIdle = false;
    pipeline.SetLineBuffer(std::string(90, 'q'));
    EXPECT_EQ(rx.text, std::string(90, 'q'));
    EXPECT_EQ(pipeline.LineBuffer(), "");
}

TEST_F(ReceivePipelineTest, EveryAnsiCodeReachesTheWindowIncludingNul) {
    flags.captureIdle = false;
    std::string all;
    for (int code = 0; code < 256; ++code) all.push_back(static_cast<char>(code));
    Feed(all);
    // 256 codes: three flushes of 81, the rest still buffered.
    std::string received = rx.text + pipeline.LineBuffer();
    EXPECT_EQ(received, all);
    EXPECT_EQ(rx.appends[0].size(), 81u);
    EXPECT_EQ(rx.appends[0][0], '\0');
}

TEST_F(ReceivePipelineTest, PanelShowsTheCountHeldWhenTheWindowChanges) {
    // A message line is appended first and counted afterwards, so the panel
    // lags by one until the next change.
    pipeline.AppendToRxWindow("Beginn: 05.12.2026 07:06:57\r\n");
    pipeline.CountRxLine();
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:1");
    pipeline.AppendToRxWindow("next\n");
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:2");
}

TEST_F(ReceivePipelineTest, EnterAndDeleteKeepTheCountInStep) {
    pipeline.OnRxKeyDown(13);
    EXPECT_EQ(pipeline.RxLineCount(), 2);
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:2");

    rx.selection = "one\rtwo\rthree\r";
    pipeline.OnRxKeyDown(46);
    EXPECT_EQ(pipeline.RxLineCount(), -1);
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:-1");

    // Line feeds in a selection are not paragraph ends and do not count.
    rx.selection = "a\r\nb\n";
    pipeline.OnRxKeyDown(46);
    EXPECT_EQ(pipeline.RxLineCount(), -2);

    pipeline.OnRxKeyDown(65);
    EXPECT_EQ(pipeline.RxLineCount(), -2);
}

TEST_F(ReceivePipelineTest, ResetStartsTheCountAgainAtOne) {
    pipeline.CountRxLine();
    pipeline.CountRxLine();
    pipeline.ResetRxLineCount();
    EXPECT_EQ(pipeline.RxLineCount(), 1);
}

}  // namespace
}  // namespace zorbel
