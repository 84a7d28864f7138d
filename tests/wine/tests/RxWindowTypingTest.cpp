// Lines typed into the Rx window by hand count in status panel 2.
#include "Poll.h"
#include "UserInput.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using RxWindowTyping = ZorbelSuite;

TEST_F(RxWindowTyping, EnterRaisesTheLineCount) {
  // The count starts at 1 and is shown from the first change on.
  ASSERT_EQ("Zeilen:", PanelText(1));
  for (const char* expected : {"Zeilen:2", "Zeilen:3"}) {
    bench::PressKey(ControlOfMain(IDC_RICHTEXTBOX1), VK_RETURN);
    bench::PollUntil([&] { return PanelText(1) == expected; }, bench::milliseconds{3000});
    EXPECT_EQ(expected, PanelText(1));
  }
}

}  // namespace
