// The Rx window's line count in panel 2 and its unsaved mark, as the keys and the user's typing change them.

#include <gtest/gtest.h>

#include "capture/RxText.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using platform::Panel;

TEST(RxTextTest, EnterAndDeleteKeepTheCountInStepAndTypingMarksTheTextUnsaved) {
    fakes::FakeRxView rx;
    fakes::FakeStatusPanels panels;
    RxText text{rx, panels};
    text.RxKeyDown(13);
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:2");

    rx.selection = "one\rtwo\rthree\r";
    text.RxKeyDown(46);
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:-1");

    // Line feeds in a selection are not paragraph ends and do not count.
    rx.selection = "a\r\nb\n";
    text.RxKeyDown(46);
    text.RxKeyDown(65);
    EXPECT_EQ(text.LineCount(), -2);
    EXPECT_FALSE(text.Unsaved()) << "keys alone mark nothing";

    text.RxEditedByUser();
    EXPECT_TRUE(text.Unsaved());
    EXPECT_FALSE(text.HoldsUnsavedText()) << "an empty window has nothing to lose";
    text.AppendLine("x\n");
    EXPECT_TRUE(text.HoldsUnsavedText());

    text.Replaced();
    EXPECT_EQ(panels.Text(Panel::Lines), "Zeilen:");
    EXPECT_EQ(text.LineCount(), -1) << "a file opened keeps the count";
    EXPECT_FALSE(text.Unsaved());
}

}  // namespace
}  // namespace zorbel
