// Starting reception while the Rx window holds text that reception did not
// write: zorbel asks whether to clear it and keeps or clears it by the
// answer. Each answer needs a fresh zorbel, as the question comes only once.
#include <algorithm>
#include <stdexcept>

#include "LocaleTexts.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "RxMessageLines.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

constexpr wchar_t kTypedText[] = L"ZCZC 123\r\nNNNN\r\n";
constexpr bench::milliseconds kQuestionBound{5000};

std::wstring WithoutMnemonic(std::wstring caption) {
  std::erase(caption, L'&');
  return caption;
}

class ClearQuestion : public ZorbelSuite {
 protected:
  // Types text into the Rx window, clicks the record button and waits for
  // the question; fails the test when none comes.
  static bench::MessageBoxContent AskByStartingOnText() {
    bench::SendBounded(ControlOfMain(IDC_RICHTEXTBOX1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kTypedText));
    bench::ClickButton(ControlOfMain(IDC_COMMAND2));
    auto box = bench::WaitForMessageBox(Zorbel().processId(), kQuestionBound);
    if (!box) throw std::runtime_error("no question within 5 s");
    return *box;
  }

  // Presses the button captioned `answer` (mnemonic left out) and waits
  // until reception has started.
  static void Answer(const bench::MessageBoxContent& box, const std::wstring& answer) {
    const auto button = std::find_if(box.buttons.begin(), box.buttons.end(), [&](const bench::DialogButton& b) {
      return WithoutMnemonic(b.caption) == answer;
    });
    if (button == box.buttons.end()) throw std::runtime_error("the question has no button " + WideToUtf8(answer));
    bench::AnswerMessageBox(box, button->caption);
    WaitUntilHandled();
  }
};

using ClearQuestionAnsweredNo = ClearQuestion;
using ClearQuestionAnsweredYes = ClearQuestion;

TEST_F(ClearQuestionAnsweredNo, AsksAndKeepsTheText) {
  const auto box = AskByStartingOnText();
  EXPECT_EQ("Text löschen ?", WideToUtf8(box.title));
  EXPECT_EQ("Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?", WideToUtf8(box.text));
  std::vector<std::string> captions;
  for (const auto& button : box.buttons) captions.push_back(WideToUtf8(WithoutMnemonic(button.caption)));
  EXPECT_EQ((std::vector<std::string>{"Ja", "Nein"}), captions);
  EXPECT_EQ("question", WideToUtf8(ProbeOfZorbel().Ask(probe::ProbeRequest::NameMessageBoxIcon)));

  const SYSTEMTIME beforeAnswer = bench::LocalNow();
  Answer(box, L"Nein");
  const auto lines = RxLines(ControlOfMain(IDC_RICHTEXTBOX1));
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ("ZCZC 123", WideToUtf8(lines[0]));
  EXPECT_EQ("NNNN", WideToUtf8(lines[1]));
  EXPECT_TRUE(IsMessageLine(lines[2], L"Beginn: ", beforeAnswer));
  EXPECT_EQ("&Stop", WideToUtf8(bench::WindowText(ControlOfMain(IDC_COMMAND2))));
}

TEST_F(ClearQuestionAnsweredYes, ClearsTheTextBeforeTheFirstLine) {
  const auto box = AskByStartingOnText();
  const SYSTEMTIME beforeAnswer = bench::LocalNow();
  Answer(box, L"Ja");
  const auto lines = RxLines(ControlOfMain(IDC_RICHTEXTBOX1));
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(IsMessageLine(lines[0], L"Beginn: ", beforeAnswer));
  EXPECT_EQ("&Stop", WideToUtf8(bench::WindowText(ControlOfMain(IDC_COMMAND2))));
}

}  // namespace
