// An engine that never answers the value query (the notch dialog gives up
// after about 10 s), started by an mmtty.bat that returns at once, its window
// late; then an engine window announced later takes the link over.
#include <string>

#include "UserInput.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

class EngineSilent : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    StartWithStandIn(L"--silent --window-delay 1500", {}, bench::StandInStart::ReturnAtOnce);
  }
};

TEST_F(EngineSilent, NotchFilterReportsNoConnectionAndAsksNothing) {
  ASSERT_TRUE(Log().WaitForLine(HandshakeLine(), kBound)) << Log().Text();
  EXPECT_TRUE(bench::PollUntil([] { return PanelText(0) == "Status: Bereit"; }, kBound))
      << PanelText(0) << ": the window must be found within the wait, not only announced after it";
  bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
  ASSERT_TRUE(NextBox(bench::milliseconds{20000})) << "no message after the wait";
  EXPECT_TRUE(Log().WaitForLine("command 7 0", bench::milliseconds{0})) << Log().Text();
  EXPECT_EQ("Fehler", AnswerNext(L"OK"));
  // Without the engine's values there is nothing to ask (nor to send: the unit tests).
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
}

// A window of this process plays an engine started later (by hand, say).
TEST_F(EngineSilent, AnEngineAnnouncedLaterGetsTheHandshakeOnceAndTheCommands) {
  const HWND late = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(late);
  const UINT engineMessage = RegisterWindowMessageA("MMTTY");
  for (int twice = 0; twice < 2; ++twice)  // 0x8000: the engine announces its window
    PostMessageW(MainWindow(), engineMessage, 0x8000, reinterpret_cast<LPARAM>(late));
  bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
  WaitUntilHandled();
  std::string received;
  MSG msg;
  while (PeekMessageW(&msg, late, engineMessage, engineMessage, PM_REMOVE))
    received += "command " + std::to_string(msg.wParam) + " " + std::to_string(static_cast<std::int32_t>(msg.lParam)) +
                "|";
  DestroyWindow(late);
  EXPECT_EQ(HandshakeLine() + "|command 16 0|", received);
}

}  // namespace
