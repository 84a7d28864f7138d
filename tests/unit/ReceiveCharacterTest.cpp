// The per-character path from the engine to the hand-over of a line.

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using ReceiveCharacterTest = CaptureTestRig;

TEST_F(ReceiveCharacterTest, CarriageReturnIsSkippedAndLineFeedHandsOnTheLine) {
    machine.Command2_Click();
    Receive("A\r\n\n");

    ASSERT_EQ(rx.appends.size(), 3u);
    EXPECT_EQ(rx.appends[1], "A\n");
    EXPECT_EQ(rx.appends[2], "\n") << "a lone line feed is a line too";
    EXPECT_EQ(pipeline.LineBuffer(), "");
}

TEST_F(ReceiveCharacterTest, CharactersWhileReceptionIsOffAreDropped) {
    Receive("FQEN\n");
    EXPECT_TRUE(rx.appends.empty());
    EXPECT_EQ(pipeline.LineBuffer(), "");
}

TEST_F(ReceiveCharacterTest, CodesOutsideEightBitsAreRefused) {
    machine.Command2_Click();
    EXPECT_FALSE(machine.ReceiveCharacter(256));
    EXPECT_FALSE(machine.ReceiveCharacter(-1));
    EXPECT_TRUE(machine.ReceiveCharacter(255));
    EXPECT_EQ(pipeline.LineBuffer(), "\xFF");
}

TEST_F(ReceiveCharacterTest, LineFeedAsEightyFirstCharacterCountsTwice) {
    machine.Command2_Click();
    const auto countBefore = pipeline.RxLineCount();

    Receive(std::string(80, 'x') + "\n");

    ASSERT_EQ(rx.appends.size(), 3u);
    EXPECT_EQ(rx.appends[1], std::string(80, 'x') + "\n");
    EXPECT_EQ(rx.appends[2], "") << "the flushed line leaves an empty line to hand on";
    EXPECT_EQ(pipeline.RxLineCount(), countBefore + 2);
}

TEST_F(ReceiveCharacterTest, WordsInAFlushedChunkAreNotSeen) {
    EnterWaiting();
    Receive("FQEN" + std::string(77, 'x') + "rest\n");
    EXPECT_TRUE(flags.captureIdle);
}

}  // namespace
}  // namespace zorbel
