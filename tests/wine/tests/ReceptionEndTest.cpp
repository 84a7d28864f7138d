// A character code above 255 ends reception with an error message; the
// engine sending on afterwards changes nothing.
#include <windows.h>

#include "EngineSuite.h"
#include "LocaleTexts.h"
#include "MessageBoxes.h"
#include "RxMessageLines.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

using bench::Utf8ToWide;
using bench::WideToUtf8;

constexpr bench::milliseconds kFeedBound{30000};

// At the real rate, over and over: one line, then the bad code.
class ReceptionEnd : public EngineSuite {
 protected:
  static void SetUpTestSuite() {
    StartWithStandIn(L"--feed-on-request --repeat --send-code 300 --feed \"%~dp0feed.txt\"",
                     {{L"feed.txt", "DDH47\n"}});
  }
};

TEST_F(ReceptionEnd, CodeAbove255EndsReceptionWithAnErrorMessage) {
  const SYSTEMTIME started = bench::LocalNow();
  bench::ClickButton(ControlOfMain(IDC_COMMAND2));
  ASSERT_TRUE(bench::PollUntil([] { return ControlText(IDC_COMMAND2) == "&Stop"; }, kEngineBound));
  ASSERT_TRUE(bench::RequestStandInFeed());
  const auto box = bench::WaitForMessageBox(Zorbel().processId(), kFeedBound);
  ASSERT_TRUE(box) << "no error message\n" << Log().Text();
  EXPECT_EQ(" Fehler:  5", WideToUtf8(box->title));
  EXPECT_EQ("Ungültiger Prozeduraufruf oder ungültiges Argument", WideToUtf8(box->text));
  EXPECT_EQ("&mitschreiben", ControlText(IDC_COMMAND2));
  EXPECT_EQ("Status: Bereit", PanelText(0));
  const auto lines = RxTextLines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[0]), L"Beginn: ", started));
  EXPECT_EQ("DDH47", lines[1]);
  EXPECT_TRUE(IsMessageLine(Utf8ToWide(lines[2]), L"Ende: ", started));
  bench::AnswerMessageBox(*box, L"OK");
}

TEST_F(ReceptionEnd, NothingIsTakenAfterReceptionEnded) {
  const auto before = RxTextLines();
  // Two more rounds of the feed (7 codes and the bad one) after the end.
  const std::size_t from = LogSize();
  ASSERT_TRUE(Log().WaitForLine("feed done 8", kFeedBound, from));
  const std::size_t second = LogSize();
  ASSERT_TRUE(Log().WaitForLine("feed done 8", kFeedBound, second));
  WaitUntilHandled();
  EXPECT_EQ(before, RxTextLines());
  EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty()) << "a second error message";
}

}  // namespace
