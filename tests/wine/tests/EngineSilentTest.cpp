// An engine that takes commands but never answers the value query: the
// notch dialog gives up after its bounded wait (about 10 s) and says so.
#include "TextConversion.h"
#include "UserInput.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

class EngineSilent : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() { StartWithStandIn(L"--silent"); }
};

TEST_F(EngineSilent, NotchFilterReportsNoConnectionAndAsksNothing) {
  ASSERT_TRUE(Log().WaitForLine("command 0 " + std::to_string(static_cast<std::int32_t>(
                                                   reinterpret_cast<std::intptr_t>(MainWindow()))),
                                kBound));
  bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
  const auto box = NextBox(bench::milliseconds{20000});
  ASSERT_TRUE(box) << "no message after the wait";
  EXPECT_TRUE(Log().WaitForLine("command 7 0", bench::milliseconds{0})) << Log().Text();
  EXPECT_EQ("Fehler", bench::WideToUtf8(box->title));
  EXPECT_EQ("Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!", bench::WideToUtf8(box->text));
  bench::AnswerMessageBox(*box, L"OK");
  // Without the engine's values there is nothing to ask: no input box, no pair.
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
  bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
  ASSERT_TRUE(Log().WaitForLine("command 16 0", kBound)) << Log().Text();
  for (const auto& line : Log().Lines()) EXPECT_FALSE(line.starts_with("command 23 ")) << line;
}

}  // namespace
