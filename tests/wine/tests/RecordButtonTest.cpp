// The record button on an empty Rx window: reception starts without a
// question, writes its message lines and locks what must not be used while
// it runs; ending it releases everything again.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <sstream>

#include "LocaleTexts.h"
#include "MemoryLoad.h"
#include "MessageBoxes.h"
#include "RxMessageLines.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

std::string ToolbarState(HWND toolbar, std::initializer_list<int> buttonIds) {
  int enabled = 0;
  for (int id : buttonIds)
    if (bench::SendBounded(toolbar, TB_ISBUTTONENABLED, id)) ++enabled;
  std::ostringstream state;
  state << (IsWindowEnabled(toolbar) ? "enabled" : "disabled") << ", " << enabled << " of " << buttonIds.size()
        << " buttons enabled";
  return state.str();
}

std::string MenuState(bool enabled) { return enabled ? "enabled" : "grayed"; }

class RecordButton : public ZorbelSuite {
 protected:
  // Everything reception locks and releases, one line each, so that a
  // failure shows the whole picture.
  static std::string ReceptionControls() {
    const auto menu = ReadMenu();  // also waits for clicks posted before
    const auto topLevel = [&](const wchar_t* caption) { return menu[bench::MenuPositions(menu, {caption})[0]]; };
    const HWND rx = ControlOfMain(IDC_RICHTEXTBOX1);
    std::ostringstream state;
    state << "button: " << WideToUtf8(bench::WindowText(ControlOfMain(IDC_COMMAND2))) << '\n'
          << "panel 1: " << PanelText(0) << '\n'
          << "toolbar 1: " << ToolbarState(ControlOfMain(IDC_TOOLBAR1), {IDT_OPEN, IDT_SAVE, IDT_PRINT}) << '\n'
          << "toolbar 2: "
          << ToolbarState(ControlOfMain(IDC_TOOLBAR2), {IDT_FONT, IDT_BOLD, IDT_KURSIV, IDT_UNDERLINE}) << '\n'
          << "menu &Datei: " << MenuState(topLevel(L"&Datei").Enabled()) << '\n'
          << "menu ?: " << MenuState(topLevel(L"?").Enabled()) << '\n'
          << "Rx-Fenster &löschen: " << MenuState(bench::FindMenuItem(menu, IDM_RXKILL)->Enabled()) << '\n'
          << "Rx window: " << ((GetWindowLongW(rx, GWL_STYLE) & ES_READONLY) ? "read-only" : "editable") << '\n';
    return state.str();
  }

  static void ClickRecordButton() { bench::ClickButton(ControlOfMain(IDC_COMMAND2)); }
};

constexpr char kRecording[] =
    "button: &Stop\n"
    "panel 1: Status: mitschreiben\n"
    "toolbar 1: disabled, 0 of 3 buttons enabled\n"
    "toolbar 2: disabled, 0 of 4 buttons enabled\n"
    "menu &Datei: grayed\n"
    "menu ?: grayed\n"
    "Rx-Fenster &löschen: grayed\n"
    "Rx window: read-only\n";

constexpr char kEnded[] =
    "button: &mitschreiben\n"
    "panel 1: Status: Bereit\n"
    "toolbar 1: enabled, 3 of 3 buttons enabled\n"
    "toolbar 2: enabled, 4 of 4 buttons enabled\n"
    "menu &Datei: enabled\n"
    "menu ?: enabled\n"
    "Rx-Fenster &löschen: enabled\n"
    "Rx window: editable\n";

// One sequence, as the steps build on each other.
TEST_F(RecordButton, StartsEndsAndStartsAgainWithoutQuestion) {
  const HWND rx = ControlOfMain(IDC_RICHTEXTBOX1);
  ASSERT_TRUE(RxLines(rx).empty());

  const SYSTEMTIME beforeStart = bench::LocalNow();
  ClickRecordButton();
  EXPECT_EQ(kRecording, ReceptionControls());
  EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty())
      << "an empty Rx window needs no question: " << WideToUtf8(bench::DescribeMessageBoxes(Zorbel().processId()));
  auto lines = RxLines(rx);
  ASSERT_EQ(1u, lines.size());
  EXPECT_TRUE(IsMessageLine(lines[0], L"Beginn: ", beforeStart));
  // The count is shown by the append and raised after it.
  EXPECT_EQ("Zeilen:1", PanelText(1));
  EXPECT_TRUE(IsMemoryLoadPanel(PanelText(2)));

  const SYSTEMTIME beforeEnd = bench::LocalNow();
  ClickRecordButton();
  EXPECT_EQ(kEnded, ReceptionControls());
  lines = RxLines(rx);
  ASSERT_EQ(2u, lines.size());
  EXPECT_TRUE(IsMessageLine(lines[1], L"Ende: ", beforeEnd));
  EXPECT_EQ("Zeilen:2", PanelText(1));
  EXPECT_TRUE(IsMemoryLoadPanel(PanelText(2)));

  // The Rx window now holds received text not yet saved: no question.
  const SYSTEMTIME beforeRestart = bench::LocalNow();
  ClickRecordButton();
  EXPECT_EQ(kRecording, ReceptionControls());
  EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty())
      << "unsaved received text must not be offered for clearing: "
      << WideToUtf8(bench::DescribeMessageBoxes(Zorbel().processId()));
  lines = RxLines(rx);
  ASSERT_EQ(3u, lines.size());
  EXPECT_TRUE(IsMessageLine(lines[2], L"Beginn: ", beforeRestart));
}

}  // namespace
