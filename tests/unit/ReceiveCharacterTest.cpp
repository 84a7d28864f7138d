// The per-character path from the engine to the hand-over of a line.

#include "CaptureTestRig.h"

namespace zorbel {
namespace {

using ReceiveCharacterTest = CaptureTestRig;

TEST_F(ReceiveCharacterTest, CarriageReturnIsSkippedAndLineFeedHandsOnTheLine) {
    Receive("FQEN\n");
    EXPECT_TRUE(rx.appends.empty() && label.shown.empty()) << "dropped while reception is off";

    machine.ToggleReception();
    Receive("A\r\n\n");
    EXPECT_EQ(rx.appends, (Calls{"Beginn: 05.12.2026 13:03:10\r\n", "A\n", "\n"})) << "a lone line feed is a line";
    EXPECT_EQ(label.shown, "");
}

TEST_F(ReceiveCharacterTest, LineFeedAsEightyFirstCharacterCountsTwice) {
    machine.ToggleReception();
    const auto countBefore = pipeline.RxLineCount();

    Receive(std::string(80, 'x') + "\n");

    // The flushed line leaves an empty line to hand on.
    EXPECT_EQ(rx.appends, (Calls{"Beginn: 05.12.2026 13:03:10\r\n", std::string(80, 'x') + "\n", ""}));
    EXPECT_EQ(pipeline.RxLineCount(), countBefore + 2);
}

TEST_F(ReceiveCharacterTest, WordsInAFlushedChunkAreNotSeen) {
    EnterWaiting();
    Receive("FQEN" + std::string(77, 'x') + "rest\n");
    EXPECT_EQ(State(), "waiting");
}

}  // namespace
}  // namespace zorbel
