// The controls of the main window after start-up: kinds, captions, tooltips,
// toolbar buttons and status panels.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <map>
#include <optional>
#include <set>

#include "StatusBar.h"
#include "TextConversion.h"
#include "Tooltips.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

class MainWindowControls : public ZorbelSuite {
 protected:
  std::vector<bench::Tool> Tools() {
    return bench::ParseTooltipDump(ProbeOfZorbel().Ask(probe::ProbeRequest::DumpTooltips));
  }
  std::string Panel(int index) {
    return WideToUtf8(
        bench::StatusPanelText(Zorbel().process(), ControlOfMain(IDC_STATUSBAR1), index));
  }
};

std::string ShortTime() {
  wchar_t text[64] = {};
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, 64);
  return WideToUtf8(text);
}

std::string ShortDate() {
  wchar_t text[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 64);
  return WideToUtf8(text);
}

// A first run restores the theme "Ostsee", which keeps the title; without an
// engine in the working folder the load leaves the design caption.
TEST_F(MainWindowControls, FirstRunWithoutEngineShowsDesignCaptionAndOstsee) {
  EXPECT_EQ("ZORBEL   V1.1.4", WideToUtf8(bench::WindowText(MainWindow())));
  EXPECT_EQ("Ostsee", WideToUtf8(bench::WindowText(ControlOfMain(IDC_LABELTEMA))));
}

TEST_F(MainWindowControls, EachControlHasItsKindAndCaption) {
  struct Expected {
    int id;
    const wchar_t* windowClass;
    std::optional<const wchar_t*> text;  // empty: the text is not fixed here
    bool shown = true;
  };
  const Expected controls[] = {
      {IDC_TOOLBAR1, L"ToolbarWindow32", std::nullopt},
      {IDC_TOOLBAR2, L"ToolbarWindow32", std::nullopt},
      {IDC_COMBO1, L"ComboBox", L"Startwort"},
      {IDC_COMBO2, L"ComboBox", L"Stopwort"},
      {IDC_COMMAND2, L"Button", L"&Text mitlesen"},
      {IDC_RICHTEXTBOX1, L"RICHEDIT50W", std::nullopt},
      {IDC_STATUSBAR1, L"msctls_statusbar32", std::nullopt},
      // The theme label is checked above; the receive line label is the
      // line buffer, which need not show.
      {IDC_LABELTEMA, L"Static", std::nullopt},
      {IDC_LABEL2, L"Static", L"Start:"},
      {IDC_LABEL3, L"Static", L"Stop:"},
      {IDC_LABEL1, L"Static", L"", false},
  };
  for (const auto& control : controls) {
    SCOPED_TRACE("control ID " + std::to_string(control.id));
    const HWND window = GetDlgItem(MainWindow(), control.id);
    ASSERT_NE(nullptr, window);
    if (control.shown) {
      EXPECT_TRUE(IsWindowVisible(window));
    }
    // Class names compare without case, as Windows does; Wine spells
    // Msftedit's class "RichEdit50W".
    EXPECT_EQ(0, _wcsicmp(control.windowClass, bench::ClassName(window).c_str()))
        << WideToUtf8(control.windowClass) << " expected, " << WideToUtf8(bench::ClassName(window)) << " found";
    if (control.text) {
      EXPECT_EQ(WideToUtf8(*control.text), WideToUtf8(bench::WindowText(window)));
    }
  }
}

TEST_F(MainWindowControls, WordListsAndRecordButtonCarryTheirTooltips) {
  const auto tools = Tools();
  using Texts = std::set<std::wstring>;
  EXPECT_EQ(Texts{L"Liste der Startwörter"}, bench::WindowToolTexts(tools, IDC_COMBO1));
  EXPECT_EQ(Texts{L"Liste der Stopwörter"}, bench::WindowToolTexts(tools, IDC_COMBO2));
  EXPECT_EQ(Texts{L"Mitlesen An/Aus"}, bench::WindowToolTexts(tools, IDC_COMMAND2));
}

TEST_F(MainWindowControls, ToolbarsHoldTheirButtonsInOrderWithTooltips) {
  const HWND toolbar1 = ControlOfMain(IDC_TOOLBAR1);
  const HWND toolbar2 = ControlOfMain(IDC_TOOLBAR2);
  EXPECT_EQ(3, bench::SendBounded(toolbar1, TB_BUTTONCOUNT));
  EXPECT_EQ(4, bench::SendBounded(toolbar2, TB_BUTTONCOUNT));
  int index = 0;
  for (int id : {IDT_OPEN, IDT_SAVE, IDT_PRINT}) EXPECT_EQ(index++, bench::SendBounded(toolbar1, TB_COMMANDTOINDEX, id));
  index = 0;
  for (int id : {IDT_FONT, IDT_BOLD, IDT_KURSIV, IDT_UNDERLINE})
    EXPECT_EQ(index++, bench::SendBounded(toolbar2, TB_COMMANDTOINDEX, id));

  const auto tools = Tools();
  using Tips = std::map<UINT_PTR, std::wstring>;
  EXPECT_EQ((Tips{{IDT_OPEN, L"Öffnen *.RTF"}, {IDT_SAVE, L"Speichern als RTF"}, {IDT_PRINT, L"Drucken"}}),
            bench::ToolTextsById(tools, IDC_TOOLBAR1));
  EXPECT_EQ((Tips{{IDT_FONT, L"Format: Schrift"},
                  {IDT_BOLD, L"Format: Fett"},
                  {IDT_KURSIV, L"Format: Kursiv"},
                  {IDT_UNDERLINE, L"Format: Unterstreichen"}}),
            bench::ToolTextsById(tools, IDC_TOOLBAR2));
}

TEST_F(MainWindowControls, StatusBarShowsFivePanelsWithClockAndTooltips) {
  ASSERT_EQ(5, bench::StatusPanelCount(ControlOfMain(IDC_STATUSBAR1)));
  using Tips = std::map<UINT_PTR, std::wstring>;
  EXPECT_EQ((Tips{{0, L"Statusanzeige"},
                  {1, L"des mitgeschriebenen Textes"},
                  {2, L"in %"},
                  {3, L"Computerzeit"},
                  {4, L"Datum"}}),
            bench::ToolTextsById(Tools(), IDC_STATUSBAR1));
  EXPECT_TRUE(Panel(0).starts_with("Status:")) << Panel(0);
  EXPECT_EQ("Zeilen:", Panel(1));
  EXPECT_EQ("Speicherauslastung:", Panel(2));

  // The clock may pass a minute (or midnight) between reading and expecting.
  const std::string timeBefore = ShortTime(), dateBefore = ShortDate();
  const std::string time = Panel(3), date = Panel(4);
  const std::string timeAfter = ShortTime(), dateAfter = ShortDate();
  EXPECT_TRUE(time == timeBefore || time == timeAfter) << "panel 4 \"" << time << "\", clock " << timeBefore;
  EXPECT_TRUE(date == dateBefore || date == dateAfter) << "panel 5 \"" << date << "\", date " << dateBefore;
}

}  // namespace
