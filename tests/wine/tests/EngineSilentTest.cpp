// An engine that takes commands but never answers the value query: the
// notch dialog gives up after its bounded wait (about 10 s) and says so.
#include "EngineSuite.h"
#include "MessageBoxes.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "resource.h"

namespace {

constexpr bench::milliseconds kAnswerWaitBound{20000};

class EngineSilent : public EngineSuite {
 protected:
  static void SetUpTestSuite() { StartWithStandIn(L"--silent"); }
};

TEST_F(EngineSilent, NotchFilterReportsNoConnectionAndAsksNothing) {
  const std::size_t from = LogSize();
  bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
  const auto box = bench::WaitForMessageBox(Zorbel().processId(), kAnswerWaitBound);
  ASSERT_TRUE(box) << "no message after the wait";
  EXPECT_TRUE(Log().Contains("command 7 0")) << Log().Text();
  EXPECT_EQ("Fehler", bench::WideToUtf8(box->title));
  EXPECT_EQ("Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!", bench::WideToUtf8(box->text));
  bench::AnswerMessageBox(*box, L"OK");
  // Without the engine's values there is nothing to ask: no input box, no pair.
  WaitUntilHandled();
  EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty());
  bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
  ASSERT_TRUE(Log().WaitForLine("command 16 0", kEngineBound, from)) << Log().Text();
  for (const auto& line : Log().Lines()) EXPECT_FALSE(line.starts_with("command 23 ")) << line;
}

}  // namespace
