// The notch filter round trip: the engine's values fill the input box, the
// entry goes back to the engine as a pair, an entry out of range is refused.
#include <windows.h>

#include "EngineSuite.h"
#include "MessageBoxes.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

constexpr char kPromptHead[] =
    "Bitte die Notch-Frequenz eingeben (in Hz).\r\n\r\nOrientieren Sie sich dabei an der\r\n"
    "Markfrequenz (linke 'Zacke').\r\n\r\n";

class EngineNotch : public EngineSuite {
 protected:
  static void SetUpTestSuite() { StartWithStandIn(L"--mark 2125 --space 2295 --notch 0,1200"); }

  static bench::MessageBoxContent OpenNotchBox() {
    bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
    const auto box = bench::WaitForMessageBox(Zorbel().processId(), kEngineBound);
    if (!box) throw std::runtime_error("no notch input box\n" + Log().Text());
    return *box;
  }
  static std::string DialogText(const bench::MessageBoxContent& box, int id) {
    return WideToUtf8(bench::WindowText(bench::Control(box.window, id)));
  }
  static void Enter(const bench::MessageBoxContent& box, const wchar_t* text) {
    bench::SendBounded(bench::Control(box.window, IDC_INPUTBOX_EDIT), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(text));
    bench::AnswerMessageBox(box, L"OK");
  }
};

TEST_F(EngineNotch, FirstEntryTakesTheEngineNotchesAndSendsThePair) {
  const std::size_t from = LogSize();
  const auto box = OpenNotchBox();
  EXPECT_TRUE(Log().WaitForLine("command 7 0", bench::milliseconds{0}, from)) << Log().Text();
  EXPECT_EQ(" Notch  1 - Frequenz Eingabe", WideToUtf8(box.title));
  EXPECT_EQ(std::string(kPromptHead) + "Stand: Notch 1  1200 Hz\r\n           Notch 2  1200 Hz",
            DialogText(box, IDC_INPUTBOX_PROMPT));
  EXPECT_EQ(" 2210", DialogText(box, IDC_INPUTBOX_EDIT));
  Enter(box, L"1000");
  // 1200 * 65536 + 1000: the other notch high, the entry low.
  EXPECT_TRUE(Log().WaitForLine("command 23 78644200", kEngineBound, from)) << Log().Text();
}

TEST_F(EngineNotch, EntryOutOfRangeIsRefusedAndNothingSent) {
  const std::size_t from = LogSize();
  const auto box = OpenNotchBox();
  EXPECT_EQ(" Notch  2 - Frequenz Eingabe", WideToUtf8(box.title));
  EXPECT_EQ(std::string(kPromptHead) + "Stand: Notch 1  1000 Hz\r\n           Notch 2  1200 Hz",
            DialogText(box, IDC_INPUTBOX_PROMPT));
  Enter(box, L"40000");
  const auto refusal = bench::WaitForMessageBox(Zorbel().processId(), kEngineBound);
  ASSERT_TRUE(refusal) << "no refusal of 40000";
  EXPECT_EQ("Notchfilter", WideToUtf8(refusal->title));
  EXPECT_EQ("Bitte eine Frequenz zwischen 0 und 32767 Hz eingeben.", WideToUtf8(refusal->text));
  bench::AnswerMessageBox(*refusal, L"OK");
  // A later command arrives after anything the refusal might have sent.
  bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
  ASSERT_TRUE(Log().WaitForLine("command 16 0", kEngineBound, from)) << Log().Text();
  const auto log = Log().Lines();
  for (std::size_t i = from; i < log.size(); ++i) EXPECT_FALSE(log[i].starts_with("command 23 ")) << log[i];
}

}  // namespace
