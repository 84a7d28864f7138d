// Lines typed into the Rx window by hand count in status panel 2.
#include "Poll.h"
#include "StatusBar.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using RxWindowTyping = ZorbelSuite;

TEST_F(RxWindowTyping, EnterRaisesTheLineCount) {
  const HWND statusBar = ControlOfMain(IDC_STATUSBAR1);
  const auto panel2 = [&] { return bench::WideToUtf8(bench::StatusPanelText(Zorbel().process(), statusBar, 1)); };
  // The count starts at 1 and is shown from the first change on.
  ASSERT_EQ("Zeilen:", panel2());
  for (const char* expected : {"Zeilen:2", "Zeilen:3"}) {
    bench::PressKey(ControlOfMain(IDC_RICHTEXTBOX1), VK_RETURN);
    bench::PollUntil([&] { return panel2() == expected; }, bench::milliseconds{3000});
    EXPECT_EQ(expected, panel2());
  }
}

}  // namespace
