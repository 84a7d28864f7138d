// The main window as a user meets it on a first run without an engine: menu,
// controls, sizes, the Rx window and word lists under keys, the theme menu,
// the RAM test without engine, the record button, search and format on the
// Rx window, help and the About box, and a saved Synop file read as table
// and map.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>

#include "BenchConfig.h"
#include "RemoteText.h"
#include "ScreenPicture.h"
#include "StandInEngine.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"
#include "tests/common/GermanCoastBulletin.h"
#include "weather/ReadSynop.h"
#include "weather/ReportCsv.h"
#include "win32/WeatherWindowIds.h"

namespace {

using bench::WideToUtf8;
using Words = std::vector<std::wstring>;

constexpr char kNoEngine[] = "Es konnte keine Verbindung zur Engine hergestellt werden!";
constexpr char kTitleWeather[] = "ZORBEL  V1.1.4  Wetterbericht";

// Each toolbar's buttons, in order.
const std::pair<int, std::vector<int>> kToolbarButtons[] = {{IDC_FILE_TOOLBAR, {IDT_OPEN, IDT_SAVE, IDT_PRINT}},
                                                            {IDC_FORMAT_TOOLBAR, {IDT_FONT, IDT_BOLD, IDT_ITALIC, IDT_UNDERLINE}}};

class WindowWithoutEngine : public ZorbelSuite {
 protected:
  static std::string ThemeView();
  static std::string ReceptionChrome();
  static std::string RxSelection();
  static void SearchFor(const std::string& expectedDefault, std::optional<std::wstring> text);
  static std::string SelectionFormat(long start, long end);
};

std::string LocaleNow(bool date) {
  wchar_t text[64] = {};
  if (date) GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 64);
  else GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, text, 64);
  return WideToUtf8(text);
}

TEST_F(WindowWithoutEngine, StartsWithDesignCaptionOstseeAndFivePanels) {
  // A first run restores "Ostsee", which keeps the caption of the load.
  EXPECT_EQ("ZORBEL   V1.1.4", WideToUtf8(bench::WindowText(MainWindow())));
  EXPECT_EQ("Ostsee", ControlText(IDC_THEME_LABEL));
  ASSERT_EQ(5, bench::SendBounded(ControlOfMain(IDC_STATUS_BAR), SB_GETPARTS));
  EXPECT_EQ("Status: MMTTY nicht gefunden!", PanelText(0));
  EXPECT_EQ("Zeilen:", PanelText(1));
  EXPECT_EQ("Speicherauslastung:", PanelText(2));
  // The panels follow the clock by a timer, a little behind: wait (bounded)
  // until they show the locale's current time and date.
  EXPECT_TRUE(bench::PollUntil(
      [] { return PanelText(3) == LocaleNow(false) && PanelText(4) == LocaleNow(true); }, kBound))
      << "panels 4 and 5: \"" << PanelText(3) << "\", \"" << PanelText(4) << "\"; clock " << LocaleNow(false) << ' '
      << LocaleNow(true);
}

TEST_F(WindowWithoutEngine, ControlsShowTheWordRowWholeAndEveryControlHasItsTip) {
  std::string hidden;
  for (const int id : {IDC_FILE_TOOLBAR, IDC_FORMAT_TOOLBAR, IDC_START_WORDS, IDC_STOP_WORDS, IDC_RECORD_BUTTON,
                       IDC_RX_WINDOW, IDC_STATUS_BAR, IDC_THEME_LABEL, IDC_START_LABEL, IDC_STOP_LABEL})
    if (!IsWindowVisible(ControlOfMain(id))) hidden += std::to_string(id) + ' ';
  EXPECT_EQ("", hidden) << "controls not shown";

  // The word row shows its words whole in the fonts zorbel gives them: Arial 8.25 in the labels, the
  // system's message font in the word boxes' edit parts (margins left out).
  const HDC screen = GetDC(nullptr);
  LOGFONTW labelFont{};
  labelFont.lfHeight = -std::lround(8.25 * GetDeviceCaps(screen, LOGPIXELSY) / 72.0);
  labelFont.lfQuality = CLEARTYPE_QUALITY;
  wcscpy(labelFont.lfFaceName, L"Arial");
  ReleaseDC(nullptr, screen);
  std::string cut;
  for (const int id : {IDC_START_LABEL, IDC_STOP_LABEL, IDC_START_WORDS, IDC_STOP_WORDS}) {
    const bool combo = id == IDC_START_WORDS || id == IDC_STOP_WORDS;
    const HWND shown = combo ? FindWindowExW(ControlOfMain(id), nullptr, L"Edit", nullptr) : ControlOfMain(id);
    RECT client{};
    GetClientRect(shown, &client);
    const auto margins = combo ? static_cast<DWORD>(bench::SendBounded(shown, EM_GETMARGINS)) : 0;
    const std::wstring text = bench::WindowText(shown);
    const int needed = bench::TextWidth(combo ? bench::MessageFont() : labelFont, text) + LOWORD(margins) + HIWORD(margins);
    if (needed > client.right) cut += WideToUtf8(text) + ": " + std::to_string(needed) + " > " +
                                      std::to_string(client.right) + "; ";
  }
  EXPECT_EQ("", cut) << "cut off in the word row";

  // Every tip: owner, control, tool (a toolbar button's command or a status
  // panel), text. The panels' tips are tools of the window's own tooltip
  // control (owner 0): the status bar's own tips would show on Windows only
  // for a cut-off panel.
  EXPECT_EQ("1\t1003\t-\tListe der Stopwörter\n1\t1003\t-\tListe der Stopwörter\n"  // edit field and box
            "1\t1004\t-\tListe der Startwörter\n1\t1004\t-\tListe der Startwörter\n"
            "1\t1005\t-\tMitlesen An/Aus\n"
            "1\t1007\t0\tStatusanzeige\n1\t1007\t1\tdes mitgeschriebenen Textes\n1\t1007\t2\tin %\n"
            "1\t1007\t3\tComputerzeit\n1\t1007\t4\tDatum\n"
            "2\t1002\t1104\tFormat: Schrift\n2\t1002\t1105\tFormat: Fett\n2\t1002\t1106\tFormat: Kursiv\n"
            "2\t1002\t1107\tFormat: Unterstreichen\n"
            "3\t1001\t1101\tÖffnen *.RTF\n3\t1001\t1102\tSpeichern als RTF\n3\t1001\t1103\tDrucken\n",
            WideToUtf8(ProbeOfZorbel().Ask(probe::ProbeRequest::DumpTooltips)));
}

// Twips as the program converts them.
int ToPx(int twips) {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return MulDiv(twips, dpi, 1440);
}

TEST_F(WindowWithoutEngine, KeepsItsMinimumSizeAndControlsFollowTheClientArea) {
  // Asynchronous, so that a hung zorbel cannot hang the test.
  const auto resize = [](int width, int height) {
    SetWindowPos(MainWindow(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  };
  const auto outerIs = [](SIZE expected) {
    const SIZE size = bench::OuterSize(MainWindow());
    return size.cx == expected.cx && size.cy == expected.cy;
  };
  resize(100, 100);
  const SIZE minimum{ToPx(7080), ToPx(2510)};
  EXPECT_TRUE(bench::PollUntil([&] { return outerIs(minimum); }, kBound))
      << bench::OuterSize(MainWindow()).cx << " x " << bench::OuterSize(MainWindow()).cy;

  // Expected and found edges of the Rx window, the receive line and the
  // record button's left edge, laid out for the client area.
  const auto layout = [](bool expected) {
    const SIZE client = bench::ClientSize(MainWindow());
    const RECT status = bench::RectInParent(ControlOfMain(IDC_STATUS_BAR));
    const RECT line = bench::RectInParent(ControlOfMain(IDC_LINE_LABEL));
    const RECT rx = bench::RectInParent(ControlOfMain(IDC_RX_WINDOW));
    const int margin = ToPx(60), lineTop = client.cy - (status.bottom - status.top) - (line.bottom - line.top);
    const auto edges = [](int left, int top, int right, int bottom) {
      return std::to_string(left) + ' ' + std::to_string(top) + ' ' + std::to_string(right) + ' ' +
             std::to_string(bottom) + '\n';
    };
    if (expected)
      return edges(margin, ToPx(540), client.cx - margin, lineTop) + edges(margin, lineTop, client.cx - margin, 0) +
             edges(client.cx - ToPx(1215) - ToPx(5), 0, 0, client.cy);
    return edges(rx.left, rx.top, rx.right, rx.bottom) + edges(line.left, line.top, line.right, 0) +
           edges(bench::RectInParent(ControlOfMain(IDC_RECORD_BUTTON)).left, 0, 0, status.bottom);
  };
  resize(820, 560);
  bench::PollUntil([&] { return outerIs({820, 560}) && layout(true) == layout(false); }, kBound);
  EXPECT_TRUE(outerIs({820, 560}));
  EXPECT_EQ(layout(true), layout(false)) << "Rx window, receive line, record button and docked status bar";
}

TEST_F(WindowWithoutEngine, RxWindowCountsLinesUnderEnterAndDelete) {
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  const auto panelBecomes = [](const char* expected) {
    bench::PollUntil([&] { return PanelText(1) == expected; }, kBound);
    return PanelText(1);
  };
  bench::PressKey(rx, VK_RETURN);
  EXPECT_EQ("Zeilen:2", panelBecomes("Zeilen:2"));
  bench::SendBounded(rx, EM_SETSEL, 0, -1);
  bench::PressKey(rx, VK_DELETE);
  EXPECT_EQ("Zeilen:1", panelBecomes("Zeilen:1")) << "the line end deleted";
  EXPECT_EQ(std::vector<std::string>{}, RxLines());
}

TEST_F(WindowWithoutEngine, WordListsTakeEnterAndDeleteInTheirEditFields) {
  for (const int id : {IDC_START_WORDS, IDC_STOP_WORDS}) {
    SCOPED_TRACE(id == IDC_START_WORDS ? "start words" : "stop words");
    const HWND combo = ControlOfMain(id);
    const HWND edit = bench::ComboEdit(combo);
    Words expected = bench::ComboItems(combo);
    ASSERT_FALSE(expected.empty()) << "a first run fills both lists";
    bench::SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"QRV"));
    bench::PressKey(edit, VK_RETURN);
    WaitUntilHandled();  // selecting sets the edit text
    bench::SendBounded(combo, CB_SETCURSEL, 0);
    bench::PressKey(edit, VK_DELETE);
    WaitUntilHandled();
    expected.push_back(L"QRV");
    expected.erase(expected.begin());
    EXPECT_EQ(expected, bench::ComboItems(combo)) << "Enter appends, Delete removes the selected entry";
  }
}

// Real key presses: Tab and Shift+Tab move as in a dialog, through the word
// lists, the record button and the Rx window.
TEST_F(WindowWithoutEngine, TabAndShiftTabMoveThroughTheControls) {
  const std::vector<std::pair<HWND, std::string>> names{{bench::ComboEdit(ControlOfMain(IDC_STOP_WORDS)), "stop words"},
                                                        {bench::ComboEdit(ControlOfMain(IDC_START_WORDS)), "start words"},
                                                        {ControlOfMain(IDC_RECORD_BUTTON), "button"},
                                                        {ControlOfMain(IDC_RX_WINDOW), "Rx window"}};
  const auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &info);
    for (const auto& [window, name] : names)
      if (window == info.hwndFocus) return name;
    return std::string("elsewhere");
  };
  std::string order;
  std::string last = focus();
  const std::string start = last;
  for (const bool shift : {false, false, false, false, false, true}) {
    if (shift) bench::TypeChord(MainWindow(), {VK_SHIFT, VK_TAB});
    else bench::TypeChord(MainWindow(), {VK_TAB});
    // A combo box takes the focus first and hands it on to its edit field:
    // wait for where it comes to rest.
    bench::PollUntil([&] { return focus() != last && focus() != "elsewhere"; }, kBound);
    order += (shift ? " < " : " > ") + (last = focus());
  }
  EXPECT_EQ(" > stop words > start words > button > Rx window > stop words < Rx window", order)
      << "the focus started at " << start;
}

// What a theme entry changes, one line each.
std::string WindowWithoutEngine::ThemeView() {
  std::wistringstream menu(ReadMenu());  // also waits for what was posted before
  std::string checked;
  for (std::wstring line; std::getline(menu, line);)
    if (line.ends_with(L" [checked]")) checked += WideToUtf8(line.substr(line.find_first_not_of(L' '))) + ' ';
  std::string view = "checked: " + checked + "\ntitle: " + WideToUtf8(bench::WindowText(MainWindow())) +
                     "\nlabel: " + ControlText(IDC_THEME_LABEL) + "\n";
  for (const int id : {IDC_START_WORDS, IDC_STOP_WORDS}) {
    view += IsWindowEnabled(ControlOfMain(id)) ? "enabled:" : "disabled:";
    for (const auto& word : bench::ComboItems(ControlOfMain(id))) view += ' ' + WideToUtf8(word);
    view += '\n';
  }
  return view;
}

TEST_F(WindowWithoutEngine, ThemeMenuSetsMarksTitleLabelAndLists) {
  std::string expected = ThemeView();
  EXPECT_TRUE(expected.starts_with("checked: &Ostsee [checked] &automatisch  speichern [checked] \n"))
      << "the stored theme and saving, marked at start-up: " << expected;
  OpenMenuPopup({3, 4, 1});  // "&Einstellungen" > "&Startwort/Stopwort" > "&Wetter"
  expected.replace(expected.find("ZORBEL"), std::string("ZORBEL   V1.1.4").size(), kTitleWeather);
  EXPECT_EQ(expected, ThemeView()) << "opening \"&Wetter\" sets the weather title only";

  // Every entry reaches its own handler: the theme label names what it chose.
  const std::pair<UINT, const char*> entries[] = {
      {IDM_WETTERATLANTIK, "label: Atlantik\n"}, {IDM_WETTEROSTSEE, "label: Ostsee\n"},
      {IDM_GRUNDEINSTWOERTER, "FQEN WODL SXEN NODL NOXX FEBQ WWXX WOEN WOBQ\n"},
      {IDM_WETTERNORDSEE, "label: Nordsee\n"}, {IDM_WETTERMITTELMEER, "label: Mittelmeer\n"},
      {IDM_WETTERALLE, "label: allgemein\n"},  {IDM_AFU, "label: AFu\n"},
      {IDM_ALLES, "label: alles\ndisabled:"}};
  for (const auto& [id, shown] : entries) {
    bench::ChooseMenuItem(MainWindow(), id);
    EXPECT_NE(std::string::npos, ThemeView().find(shown)) << id << ": " << ThemeView();
  }
}

// Without an engine, hiding the engine window first fails with its own
// message; the check mark is set all the same.
TEST_F(WindowWithoutEngine, RamTestHidesTheEngineWindowFirstThenReports) {
  bench::ChooseMenuItem(MainWindow(), IDM_RAMTEST);
  EXPECT_EQ(std::string("Fehler|") + kNoEngine + "|exclamation|OK", AnswerNext(L"OK", true));

  // The figures are the memory display's, unit-tested; here: the box comes, and panel 3 shows its load.
  const std::string report = AnswerNext(L"OK", true);
  std::smatch load;
  ASSERT_TRUE(std::regex_search(report, load, std::regex("Speicherauslastung: [0-9]+ %"))) << report;
  EXPECT_TRUE(report.starts_with("RAM - Speicher|")) << report;
  EXPECT_EQ(load.str(), PanelText(2));
  EXPECT_TRUE(MenuChecked(L"Engine &unsichtbar")) << "\"Engine &unsichtbar\"";

  // The engine window counts as hidden now: a second RAM test goes straight to the report.
  bench::ChooseMenuItem(MainWindow(), IDM_RAMTEST);
  EXPECT_EQ("RAM - Speicher", AnswerNext(L"OK"));
}

// Everything reception and the Rx window's content lock and release, one line each.
std::string WindowWithoutEngine::ReceptionChrome() {
  // Opening "&Datei" and "&Format" as a user would: their entries are set as they open.
  OpenMenuPopup({0});  // also waits for clicks posted before
  const std::wstring menu = OpenMenuPopup({1});
  const auto enabled = [&](const wchar_t* caption) { return MenuEnabled(menu, caption) ? "enabled" : "grayed"; };
  std::string entries;
  for (const wchar_t* caption : {L"&Öffnen", L"&Speichern", L"S&uchen", L"&weitersuchen", L"&Drucken", L"&Beenden",
                                 L"Rx-Fenster &löschen"})
    entries += MenuEnabled(menu, caption) ? '+' : '-';
  std::string toolbars;
  for (const auto& [toolbar, buttons] : kToolbarButtons) {
    toolbars += IsWindowEnabled(ControlOfMain(toolbar)) ? " on:" : " off:";
    for (int id : buttons) toolbars += bench::SendBounded(ControlOfMain(toolbar), TB_ISBUTTONENABLED, id) ? '+' : '-';
  }
  const bool readOnly = GetWindowLongW(ControlOfMain(IDC_RX_WINDOW), GWL_STYLE) & ES_READONLY;
  return "button: " + ControlText(IDC_RECORD_BUTTON) + "\npanel 1: " + PanelText(0) + "\ntoolbars:" + toolbars +
         "\nmenus Datei, ?: " + enabled(L"&Datei") + ", " + enabled(L"?") +
         "\nÖffnen to Rx-Fenster löschen: " + entries + "\nRx window: " + (readOnly ? "read-only" : "editable") + '\n';
}

constexpr char kRecording[] =
    "button: &Stop\npanel 1: Status: mitschreiben\ntoolbars: off:--- off:----\nmenus Datei, ?: grayed, grayed\n"
    "Öffnen to Rx-Fenster löschen: -------\nRx window: read-only\n";
constexpr char kEnded[] =
    "button: &mitschreiben\npanel 1: Status: Bereit\ntoolbars: on:+++ on:++++\nmenus Datei, ?: enabled, enabled\n"
    "Öffnen to Rx-Fenster löschen: +++++++\nRx window: editable\n";

// Typed text is unsaved work: clearing asks to save it first, then whether
// to clear. An empty window leaves only what needs no text. Saved text (here:
// put in by a program) reception asks to clear. The button answers the
// access key of its caption (real key presses).
TEST_F(WindowWithoutEngine, RecordButtonAsksToClearTypedTextThenLocksAndReleases) {
  bench::SendBounded(ControlOfMain(IDC_RX_WINDOW), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ZCZC 123\r\n"));
  bench::ChooseMenuItem(MainWindow(), IDM_RXKILL);
  EXPECT_EQ("Text speichern ?", AnswerNext(L"Nein"));
  EXPECT_EQ("Text löschen ?", AnswerNext(L"Ja"));
  EXPECT_EQ(std::vector<std::string>{}, RxLines());
  const std::string empty = ReceptionChrome();
  EXPECT_NE(std::string::npos, empty.find("\nÖffnen to Rx-Fenster löschen: +----+-\n")) << empty;
  bench::SendBounded(ControlOfMain(IDC_RX_WINDOW), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ZCZC 123\r\n"));
  const auto press = [](WORD accessKey) {
    const std::string before = ControlText(IDC_RECORD_BUTTON);
    bench::TypeChord(MainWindow(), {VK_MENU, accessKey});
    bench::PollUntil([&] { return ControlText(IDC_RECORD_BUTTON) != before || !NoBoxes().empty(); }, kBound);
  };
  const SYSTEMTIME started = LocalNow();
  press('T');
  EXPECT_EQ("Text löschen ?|Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?|question|Ja Nein",
            AnswerNext(L"Ja", true));
  EXPECT_EQ(kRecording, ReceptionChrome());
  EXPECT_EQ(std::vector<std::string>{"Beginn: <Zeit>"}, TimesMarked(RxLines(), started)) << "the typed text is cleared";
  EXPECT_EQ("Zeilen:1", PanelText(1));

  // Ctrl+B would end the program while "&Datei" is greyed; Alt+S, typed
  // after it, shows that it has been handled.
  bench::TypeChord(MainWindow(), {VK_CONTROL, 'B'});
  const SYSTEMTIME ended = LocalNow();
  press('S');
  ASSERT_FALSE(Zorbel().HasExited()) << "Ctrl+B ended zorbel during reception";
  EXPECT_EQ(kEnded, ReceptionChrome());
  const auto lines = RxLines();
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(std::vector<std::string>{"Ende: <Zeit>"}, TimesMarked({lines[1]}, ended));
  EXPECT_EQ("Zeilen:2", PanelText(1));
}

// The selection's start and end, and whether the Rx window has the focus.
std::string WindowWithoutEngine::RxSelection() {
  WaitUntilHandled();
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  const auto range = static_cast<DWORD>(bench::SendBounded(rx, EM_GETSEL));
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &gui);
  return std::to_string(LOWORD(range)) + '-' + std::to_string(HIWORD(range)) + (gui.hwndFocus == rx ? " focus" : "");
}

// Chooses "S&uchen", checks the proposed text, then enters `text` (OK) or cancels (nullopt).
void WindowWithoutEngine::SearchFor(const std::string& expectedDefault, std::optional<std::wstring> text) {
  bench::ChooseMenuItem(MainWindow(), IDM_SUCHEN);
  const auto box = bench::WaitForMessageBox(Zorbel().processId(), ZorbelSuite::kBound);
  ASSERT_TRUE(box) << "no input box";
  const HWND edit = GetDlgItem(box->window, IDC_INPUTBOX_EDIT);
  EXPECT_EQ(expectedDefault, WideToUtf8(bench::WindowText(edit))) << "the selection is the default";
  if (text) bench::SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text->c_str()));
  bench::AnswerMessageBox(*box, text ? L"OK" : L"Abbrechen");
}

TEST_F(WindowWithoutEngine, SearchSelectsTheNextHitIgnoringCaseWithoutWrapping) {
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  // Positions as the control counts them: the line end is one character.
  const wchar_t text[] = L"ABC abc\r\nÄrger abc";
  bench::SendBounded(rx, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  bench::SendBounded(rx, EM_SETSEL, 0, 0);
  SearchFor("", L"abc");
  EXPECT_EQ("4-7 focus", RxSelection()) << "the hit at the cursor lies before the search start";
  bench::ChooseMenuItem(MainWindow(), IDM_SUCHWEITER);
  EXPECT_EQ("14-17 focus", RxSelection()) << "F3: the selected text again, after the line end";
  bench::ChooseMenuItem(MainWindow(), IDM_SUCHWEITER);
  EXPECT_EQ("Suchen|Leider keine (weitere) Fundstelle|information|OK", AnswerNext(L"OK", true)) << "the end";
  EXPECT_EQ("0-0 focus", RxSelection()) << "no wrap-around: the cursor goes to the start";
  bench::ChooseMenuItem(MainWindow(), IDM_SUCHWEITER);
  EXPECT_EQ("0-0 focus", RxSelection());
  EXPECT_EQ("", NoBoxes()) << "F3 without a selection does nothing";

  SearchFor("", L"ärger");
  EXPECT_EQ("8-13 focus", RxSelection()) << "umlauts ignore case";
  SearchFor("Ärger", std::nullopt);
  EXPECT_EQ("8-13", RxSelection()) << "cancel ends at once";
}

// Face, size in twips and the effects of the Rx window's selection.
std::string WindowWithoutEngine::SelectionFormat(long start, long end) {
  WaitUntilHandled();
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  bench::SendBounded(rx, EM_SETSEL, start, end);
  const CHARFORMAT2W format = bench::RichEditSelectionFormat(Zorbel().process(), rx);
  std::string effects;
  for (const auto& [effect, name] : {std::pair{CFE_BOLD, " bold"}, {CFE_ITALIC, " italic"}, {CFE_UNDERLINE, " underline"}})
    if (format.dwMask & effect) effects += (format.dwEffects & effect) ? name : "";
  return WideToUtf8(format.szFaceName) + ' ' + std::to_string(format.yHeight) + effects;
}

TEST_F(WindowWithoutEngine, FormatSwitchesEffectsOnAndTemplatesSetTheWholeWindowFont) {
  bench::ChooseMenuItem(MainWindow(), IDM_LISTING);
  EXPECT_EQ("Courier New 160", SelectionFormat(0, -1));
  bench::ChooseMenuItem(MainWindow(), IDM_TEXT);
  EXPECT_EQ("Arial 160", SelectionFormat(0, -1));

  SelectionFormat(0, 3);
  for (const int button : {IDT_BOLD, IDT_ITALIC, IDT_UNDERLINE, IDT_BOLD}) bench::ChooseMenuItem(MainWindow(), button);
  EXPECT_EQ("Arial 160 bold italic underline", SelectionFormat(0, 3)) << "a second click leaves bold on";
  EXPECT_EQ("Arial 160", SelectionFormat(4, 7));

  SelectionFormat(0, 3);
  bench::ChooseMenuItem(MainWindow(), IDM_FONT);
  const auto fontDialog = bench::WaitForMessageBox(Zorbel().processId(), kBound);
  ASSERT_TRUE(fontDialog) << "no font dialog";
  PostMessageW(fontDialog->window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(bench::PollUntil([&] { return !IsWindow(fontDialog->window); }, kBound));
  EXPECT_EQ("Arial 160 bold italic underline", SelectionFormat(0, 3)) << "cancel changes nothing";
}

TEST_F(WindowWithoutEngine, HelpOpensThePageBesideTheProgramInTheBrowser) {
  // Without a browser for .html files the box names the page, for opening it by hand.
  bench::ChooseMenuItem(MainWindow(), IDM_HILFE);
  const std::wstring& exe = bench::Config().zorbelExe;
  const std::string pagePath = WideToUtf8(exe.substr(0, exe.rfind(L'\\') + 1)) + "zorbel-hilfe.html";
  EXPECT_EQ("ZORBEL|Die Hilfeseite konnte nicht im Browser geöffnet werden. Sie lässt sich auch von Hand "
            "öffnen:\r\n\r\n" + pagePath + "|exclamation|OK",
            AnswerNext(L"OK", true));
  // The browser is whatever the shell opens .html files with: here a command
  // that writes down what it was given. The test prefix knows no .html type:
  // both keys are new and go again. Wine reads them from the machine's classes only.
  const std::wstring opened = InWorkingFolder(L"opened.txt");
  const std::wstring command = L"cmd.exe /c echo %1>\"" + opened + L"\"";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, L"ZorbelTestPage\\shell\\open\\command",
                                           0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  const std::wstring handler = L"ZorbelTestPage";
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".html", nullptr, REG_SZ, handler.c_str(),
                  static_cast<DWORD>((handler.size() + 1) * sizeof(wchar_t)));

  bench::ChooseMenuItem(MainWindow(), IDM_HILFE);
  const auto page = [&] {
    std::ifstream file{std::filesystem::path(opened)};
    std::string line;
    std::getline(file, line);
    return line;
  };
  EXPECT_TRUE(bench::PollUntil([&] { return page().find("zorbel-hilfe.html") != std::string::npos; }, kBound))
      << "opened: \"" << page() << "\"; boxes: " << NoBoxes();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZorbelTestPage");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
  EXPECT_EQ("", NoBoxes());
}

TEST_F(WindowWithoutEngine, AboutBoxShowsItsTextsCentredAndSystemInformationFallsBack) {
  bench::ChooseMenuItem(MainWindow(), IDM_INFO);
  const auto about = bench::WaitForMessageBox(Zorbel().processId(), kBound);
  ASSERT_TRUE(about) << "no About box";
  // The texts are filled in when the box opens; the captions are the resource script's.
  const auto text = [&](int id) { return WideToUtf8(bench::WindowText(GetDlgItem(about->window, id))); };
  EXPECT_EQ("ZORBEL|Version 1.1.4  © ZORBEL-Entwickler", text(IDC_ABOUT_TITLE) + '|' + text(IDC_ABOUT_VERSION));
  EXPECT_FALSE(text(IDC_ABOUT_DESCRIPTION).empty() || text(IDC_ABOUT_DISCLAIMER).empty());
  RECT main{}, own{};
  GetWindowRect(MainWindow(), &main);
  GetWindowRect(about->window, &own);
  const auto centre = [](const RECT& r) { return std::to_string((r.left + r.right) / 2) + ',' + std::to_string((r.top + r.bottom) / 2); };
  EXPECT_EQ(centre(main), centre(own)) << "centred over the main window";

  bench::ClickButton(GetDlgItem(about->window, IDC_ABOUT_SYSINFO));
  HWND boxWindow = nullptr;
  bench::PollUntil([&] {
    for (HWND dialog : bench::VisibleDialogsOf(Zorbel().processId()))
      if (dialog != about->window) boxWindow = dialog;
    return boxWindow != nullptr;
  }, kBound);
  ASSERT_TRUE(boxWindow) << "no system information box";
  const auto box = bench::ReadMessageBox(boxWindow);
  EXPECT_EQ("Systeminformationen sind zur Zeit nicht verfügbar", WideToUtf8(box.text));
  EXPECT_EQ(about->window, GetWindow(boxWindow, GW_OWNER)) << "the box belongs to the About box, which asked";
  bench::AnswerMessageBox(box, L"OK");
  WaitUntilHandled();
  EXPECT_FALSE(IsWindowEnabled(MainWindow())) << "the About box is still modal";
  bench::AnswerMessageBox(bench::ReadMessageBox(about->window), L"OK");
}

using zorbel::testdata::kGermanCoastBulletin;

std::string FileStart(const std::wstring& path, std::size_t bytes) {
  try {
    return bench::ReadFileBytes(path).substr(0, bytes);
  } catch (const std::exception& error) {
    return error.what();
  }
}

// "Datei › Ablageordner öffnen" holds the three storage folders after "Wetter &lesen…"; an entry opens its
// folder in the system's file manager (Wine's explorer stands in for Windows Explorer) and asks nothing.
TEST_F(WindowWithoutEngine, EachStorageFolderOpensInTheFileManager) {
  const std::wstring menu = ReadMenu();
  const auto at = menu.find(L"&Ablageordner öffnen");
  ASSERT_NE(std::wstring::npos, at) << WideToUtf8(menu);
  EXPECT_LT(menu.find(L"Wetter &lesen…"), at);
  const std::wstring entries = menu.substr(at, menu.find(L"&Beenden") - at);
  for (const wchar_t* entry : {L"&Wetterberichte", L"&Amateurfunk", L"&sonstige Dateien"})
    EXPECT_NE(std::wstring::npos, entries.find(entry)) << WideToUtf8(entries);

  // The folders are the default ones: the program folder's "Wetterberichte".
  DWORD fileManager = 0;
  const auto fileManagerWindow = [&] {
    HWND found = nullptr;
    for (HWND window = GetTopWindow(nullptr); window && !found; window = GetWindow(window, GW_HWNDNEXT)) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process != Zorbel().processId() && IsWindowVisible(window) &&
          bench::WindowText(window).find(L"Wetterberichte") != std::wstring::npos) {
        found = window;
        fileManager = process;
      }
    }
    return found != nullptr;
  };
  bench::ChooseMenuItem(MainWindow(), IDM_ABLAGEWETTER);
  EXPECT_TRUE(bench::PollUntil(fileManagerWindow, bench::milliseconds{30000})) << "no file manager window";
  EXPECT_EQ("", NoBoxes());
  if (fileManager) {
    const bench::UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, fileManager));
    if (process) TerminateProcess(process.get(), 0);
  }
}

// "Wetter &lesen…" opens a saved file from the other files' folder, shows it
// as table and map, exports both; the Rx window's selection is read instead
// of a file, and text without reports says so.
TEST_F(WindowWithoutEngine, WeatherWindowReadsASynopFileAsTableAndMapAndExportsBoth) {
  const std::wstring file = InWorkingFolder(L"Wetterberichte\\Synop07Dez2026-0600.txt");
  bench::WriteFileBytes(file, kGermanCoastBulletin);
  bench::SendBounded(ControlOfMain(IDC_RX_WINDOW), EM_SETSEL, 0, 0);
  bench::ChooseMenuItem(MainWindow(), IDM_WETTERLESEN);
  EXPECT_EQ("Wetter lesen []", ChooseInFileDialog(L"Synop07Dez2026-0600.txt")) << "starts in the Synop folder";
  const HWND weather = bench::WaitForTopWindow(Zorbel().processId(), ZORBEL_WEATHER_WINDOW_CLASS, kBound);
  ASSERT_TRUE(weather) << NoBoxes();
  EXPECT_EQ("Wetter lesen – Synop07Dez2026-0600.txt (14 Meldungen)", WideToUtf8(bench::WindowText(weather)));
  const HWND table = bench::Control(weather, IDC_WEATHER_TABLE);
  EXPECT_EQ(14, bench::SendBounded(table, LVM_GETITEMCOUNT));
  const auto cell = [&](int row, int column) {
    return WideToUtf8(bench::ListViewCellText(Zorbel().process(), table, row, column));
  };
  EXPECT_EQ("Hamburg-Fuhlsbüttel", cell(12, 1));
  EXPECT_EQ("Arkona 1O068 (Buchstaben oder Zeichen statt Ziffern)", cell(10, 1) + ' ' + cell(10, 20))
      << "the garbled group in the last column";
  // A click on the heading "Name" sorts by the stations' names.
  const HWND header = reinterpret_cast<HWND>(bench::SendBounded(table, LVM_GETHEADER));
  EXPECT_EQ(21, bench::SendBounded(header, HDM_GETITEMCOUNT));
  const auto x = static_cast<int>(bench::SendBounded(table, LVM_GETCOLUMNWIDTH, 0) +
                                  bench::SendBounded(table, LVM_GETCOLUMNWIDTH, 1) / 2);
  const LPARAM at = MAKELPARAM(x, bench::ClientSize(header).cy / 2);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(header, WM_LBUTTONUP, 0, at);
  WaitUntilHandled();
  EXPECT_EQ("Arkona Bremerhaven Cuxhaven Emden ", cell(0, 1) + ' ' + cell(1, 1) + ' ' + cell(2, 1) + ' ' + cell(3, 1) + ' ');

  const std::wstring csv = InWorkingFolder(L"Wetter.csv");
  bench::ChooseMenuItem(weather, IDM_WEATHER_EXPORT_CSV);
  EXPECT_EQ("Als CSV exportieren [Synop07Dez2026-0600.csv]", ChooseInFileDialog(csv));
  WaitUntilHandled();
  std::string expected = std::string(weather::kUtf8ByteOrderMark) + std::string(weather::CsvHeader()) + "\r\n";
  for (const auto& report : weather::ReadSynopReports(kGermanCoastBulletin)) expected += weather::CsvLine(report) + "\r\n";
  EXPECT_EQ(expected, FileStart(csv, expected.size() + 1));

  const std::wstring png = bench::Config().screenshotDir + L"\\weather-map.png";
  std::filesystem::create_directories(bench::Config().screenshotDir);
  std::filesystem::remove(png);
  bench::ChooseMenuItem(weather, IDM_WEATHER_SAVE_MAP);
  EXPECT_EQ("Karte als PNG speichern [Synop07Dez2026-0600.png]", ChooseInFileDialog(png));
  WaitUntilHandled();
  EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), FileStart(png, 8)) << "a PNG picture of the map";
  EXPECT_EQ("", NoBoxes());

  // Both tabs as a user sees them, kept as pictures of the window.
  EXPECT_EQ("", SaveScreenshot(weather, L"weather-table.png"));
  bench::PressKey(bench::Control(weather, IDC_WEATHER_TABS), VK_RIGHT);
  WaitUntilHandled();
  EXPECT_TRUE(IsWindowVisible(bench::Control(weather, IDC_WEATHER_MAP)));
  EXPECT_FALSE(IsWindowVisible(table));
  EXPECT_EQ("", SaveScreenshot(weather, L"weather-window.png"));
  // The mouse on a station shows its report: a tooltip area for each of the 13 stations with a position.
  struct Tips {
    DWORD processId;
    std::vector<LRESULT> toolCounts;
  } tips{Zorbel().processId(), {}};
  EnumWindows([](HWND window, LPARAM state) -> BOOL {
    auto& found = *reinterpret_cast<Tips*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == found.processId && std::wstring_view(name) == TOOLTIPS_CLASSW)
      found.toolCounts.push_back(SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0));
    return TRUE;
  }, reinterpret_cast<LPARAM>(&tips));
  EXPECT_EQ(1, std::count(tips.toolCounts.begin(), tips.toolCounts.end(), 13)) << "tooltips with their tool counts: "
      << ::testing::PrintToString(tips.toolCounts);

  // A selection of the Rx window is read instead of a file; report lines selected without their AAXX line read
  // under the nearest one above, so the whole text goes with the selection.
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  const std::wstring twoReports = L"ZCZC 124\r\nSMDL01 EDZW 071200\r\nAAXX 07121\r\n"
                                  L"10147 31765 82016 10071 20048 30034 40039=\r\n"
                                  L"10015 41580 73114 10078 20052 30037 40042=\r\nNNNN";
  bench::SendBounded(rx, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(twoReports.c_str()));
  const std::size_t helgoland = twoReports.find(L"10015");
  // The control counts CR LF as one character.
  const auto helgolandLine = static_cast<LPARAM>(helgoland - std::count(twoReports.begin(), twoReports.begin() + helgoland, L'\n'));
  bench::SendBounded(rx, EM_SETSEL, helgolandLine, helgolandLine + 41);
  bench::ChooseMenuItem(MainWindow(), IDM_WETTERLESEN);
  WaitUntilHandled();
  const auto windows = bench::VisibleWindowsOf(Zorbel().processId(), ZORBEL_WEATHER_WINDOW_CLASS);
  ASSERT_EQ(2u, windows.size()) << NoBoxes();
  const HWND selected = windows.front() == weather ? windows.back() : windows.front();
  const HWND selectedTable = bench::Control(selected, IDC_WEATHER_TABLE);
  EXPECT_EQ("Wetter lesen – Auswahl im Rx-Fenster (1 Meldung): Helgoland, Tag 7, 12 Uhr",
            WideToUtf8(bench::WindowText(selected)) + ": " +
                WideToUtf8(bench::ListViewCellText(Zorbel().process(), selectedTable, 0, 1)) + ", Tag " +
                WideToUtf8(bench::ListViewCellText(Zorbel().process(), selectedTable, 0, 4)) + ", " +
                WideToUtf8(bench::ListViewCellText(Zorbel().process(), selectedTable, 0, 5)) + " Uhr");
  bench::ChooseMenuItem(selected, IDM_WEATHER_CLOSE);
  bench::ChooseMenuItem(weather, IDM_WEATHER_CLOSE);
  WaitUntilHandled();
  EXPECT_EQ(0u, bench::VisibleWindowsOf(Zorbel().processId(), ZORBEL_WEATHER_WINDOW_CLASS).size());

  bench::SendBounded(rx, EM_SETSEL, 0, 8);
  bench::ChooseMenuItem(MainWindow(), IDM_WETTERLESEN);
  EXPECT_EQ("Wetter lesen|" + std::string(weather::kNoWeatherReport) + "|information|OK", AnswerNext(L"OK", true));
}

}  // namespace
