// zorbel with the stand-in engine playing MMTTY: the link as the engine sees
// it (shared block, command line, handshake), hiding its window when
// maximised, a transmission written, saved to its file (held open
// by another program meanwhile) and ended by a bad code, the Rx window saved,
// opened and cleared through its dialogs, and the exit with its questions and
// the commands at the program's end.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "../common/UniqueWin32.h"
#include "BenchConfig.h"
#include "RemoteText.h"
#include "ScreenPicture.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"
#include "win32/NavtexWindowIds.h"

namespace {

using bench::WideToUtf8;

std::string Command(int code, std::int64_t value) {
  return "command " + std::to_string(code) + " " + std::to_string(value);
}

std::string UpperHex(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
  return text;
}

std::string TwoDigits(int value) {
  char text[12];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string LocaleText(LCTYPE type) {
  wchar_t text[32] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 32);
  return WideToUtf8(text);
}

// Bulletins carry today's UTC day, so their month and year are today's.
struct HeaderDay {
  SYSTEMTIME utc;
  HeaderDay() { GetSystemTime(&utc); }
  std::string Month() const { return LocaleText(LOCALE_SABBREVMONTHNAME1 + utc.wMonth - 1); }
  std::string DisplayForm() const {
    const std::string separator = LocaleText(LOCALE_SDATE);
    return TwoDigits(utc.wDay) + separator + Month() + separator + std::to_string(utc.wYear) + "-06" +
           LocaleText(LOCALE_STIME) + "00";
  }
  std::string FileForm() const { return TwoDigits(utc.wDay) + Month() + std::to_string(utc.wYear) + "-0600"; }
};

const HeaderDay kDay;

// Every code but line feed and carriage return once, NUL between two letters
// so that a cut would show; 256 characters, so the line buffer flushes it
// in chunks that must join without a break.
std::string AllCodesLine() {
  std::string line("A\0B", 3);
  for (int code = 1; code < 256; ++code)
    if (code != '\n' && code != '\r') line.push_back(static_cast<char>(code));
  return line;
}

// What the Rx window shows of it: each byte in code page 1252 (the system's
// table, whatever the system's own code page), NUL as its visible symbol.
std::string Shown(const std::string& bytes) {
  std::wstring shown(bytes.size(), L'\0');
  MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), shown.data(), static_cast<int>(shown.size()));
  std::replace(shown.begin(), shown.end(), L'\0', L'\x2400');
  return WideToUtf8(shown);
}

// The second line is longer than 81 characters: the line buffer flushes a
// chunk of it before its end, and the file must still hold it whole.
const std::string kUnfinishedLine = "73 DE DDH47";

const std::string kSavedLines[] = {
    BulletinHeader("SMDL01"),
    "10381 11/75 72502 10032 20016 30083 40125 52008 70272 8457/ 333 20105 31007 55300 60007 91033", "ZCZC 104"};

constexpr wchar_t kOtherFilesFolder[] = L"Łódź";
constexpr SIZE kStoredSize{10500, 7020};  // twips

void StoreSetting(const wchar_t* key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZORBEL\\Settings", key, REG_SZ,
                  value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Writing from the start, a stop word, an unmarked weather bulletin saved
// to its file, a start word, a stop word, the start of a line; the stand-in
// then sends code 300.
std::string FeedText() {
  return "DDH47 DDK9 PINNEBERG 147.3 KHZ\n" + AllCodesLine() + "\nRYRYRYRYRYRY\n" + kSavedLines[0] + "\n" +
         kSavedLines[1] + "\n" + kSavedLines[2] + "\n" + BulletinHeader("FQEN71") +
         "\nSEEWETTERBERICHT FUER DIE OSTSEE\nNNNN\n" + kUnfinishedLine;
}

class Engine : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    StartWithStandIn(L"--fast --feed-on-request --send-code 300 --feed \"%~dp0feed.txt\"", {{L"feed.txt", FeedText()}},
                     bench::StandInStart::Call, [](const std::wstring& folder) {
                       // Stored by an earlier run: a size and an other-files folder outside code page 1252.
                       std::filesystem::create_directories(folder + L"\\" + kOtherFilesFolder);
                       StoreSetting(L"SpeicherOrdnerSyn", folder + L"\\" + kOtherFilesFolder);
                       StoreSetting(L"FBreite", std::to_wstring(kStoredSize.cx));
                       StoreSetting(L"FHöhe", std::to_wstring(kStoredSize.cy));
                     });
  }

  // "&sonstige Dateien" under "&Ordner zum Abspeichern", confirmed with "&OK" (Enter): the proposed
  // name in the folder the chooser opens on, the existing weather folder.
  static void ConfirmOtherFilesFolder() {
    bench::ChooseMenuItem(MainWindow(), IDM_ORDNERSONSTIGE);
    PostMessageW(bench::WaitForTopWindow(Zorbel().processId(), L"ZorbelFolderChooser", kBound), WM_COMMAND, IDOK, 0);
  }

  // A list of "Datei › NAVTEX-Meldungen…", a row a line, its cells after the first.
  static std::string NavtexRows(HWND navtex, int listId) {
    const HWND list = bench::Control(navtex, listId);
    std::string text;
    for (int row = 0; row < bench::SendBounded(list, LVM_GETITEMCOUNT); ++row) {
      for (int column = 1; column < 7; ++column)
        text += WideToUtf8(bench::ListViewCellText(Zorbel().process(), list, row, column)) + '|';
      text += '\n';
    }
    return text;
  }
};

const std::string kNavtexRows =
    "S  Pinneberg|D  Seenot/Piraterie|03|0,0 %||1×|\nS  Pinneberg|B  Wetterwarnung|12|0,0 %||2×|\n";

TEST_F(Engine, StartsLinkedWithCommandLineHandshakeAndSharedBlock) {
  const HDC screen = GetDC(nullptr);
  const SIZE stored{MulDiv(kStoredSize.cx, GetDeviceCaps(screen, LOGPIXELSX), 1440),
                    MulDiv(kStoredSize.cy, GetDeviceCaps(screen, LOGPIXELSY), 1440)};
  ReleaseDC(nullptr, screen);
  const SIZE outer = bench::OuterSize(MainWindow());
  EXPECT_EQ(std::make_pair(stored.cx, stored.cy), std::make_pair(outer.cx, outer.cy)) << "the stored size";
  const std::string handle = UpperHex(MainWindow());
  ASSERT_TRUE(Log().WaitForLine(HandshakeLine(), kBound)) << Log().Text();
  EXPECT_EQ("-r -h" + handle + "\r\n", bench::ReadFileBytes(InWorkingFolder(bench::kEngineArgumentsName)));
  const auto log = Log().Lines();
  EXPECT_TRUE(log.size() > 1 && log[0] == "start main " + handle && log[1] == "block MMTTY Engine") << Log().Text();

  // The block the engine reads, filled in; unit tests pin every byte of the image.
  const bench::UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, "MMTTY"));
  ASSERT_TRUE(mapping) << "no mapping \"MMTTY\" while zorbel runs";
  const bench::UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  ASSERT_TRUE(view);
  // Its first field and its last, so that a copy cut short shows.
  const auto* block = static_cast<const char*>(view.get());
  EXPECT_EQ("MMTTY Engine|NONE", std::string(block + 4) + '|' + std::string(block + 12464));

  EXPECT_EQ("ZORBEL   V1.1.4  Wetterbericht", WideToUtf8(bench::WindowText(MainWindow())));
  EXPECT_EQ("Status: Bereit", PanelText(0));
}

// Docking follows the window (the engine program's group sees where its window goes); maximised, there is no
// room under the main window.
TEST_F(Engine, MaximisingHidesTheEngineWindow) {
  const std::size_t from = Log().Lines().size();
  ShowWindowAsync(MainWindow(), SW_MAXIMIZE);
  EXPECT_TRUE(Log().WaitForLine(Command(16, 0), kBound, from)) << Log().Text();
  EXPECT_TRUE(MenuChecked(L"Engine &unsichtbar"));
}

// "Ignorieren" to the file in the folder's way keeps the folder: the reception
// below still saves into Łódź, where a file as the folder would lose every line.
TEST_F(Engine, AFileInTheFoldersWayNeverBecomesTheFolder) {
  bench::WriteFileBytes(InWorkingFolder(L"Wetterberichte\\SONSTIGE DATEIEN"), "");
  ConfirmOtherFilesFolder();
  EXPECT_EQ(" Fehler |Eine Datei mit diesem Namen ist schon vorhanden!|exclamation|Abbruch Wiederholen Ignorieren",
            AnswerNext(L"Ignorieren", true));
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
}

TEST_F(Engine, ReceptionWritesSavesAndEndsOnACodeAbove255) {
  // A sync client holds the capture file open to write and rename it: the lines reach the file all the same.
  const std::wstring path = InWorkingFolder(std::wstring(kOtherFilesFolder) + L"\\Synop" +
                                            bench::Utf8ToWide(kDay.FileForm()) + L".txt");
  bench::UniqueHandle holder(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_NE(INVALID_HANDLE_VALUE, holder.get());

  const SYSTEMTIME started = LocalNow();
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  ASSERT_TRUE(bench::RequestStandInFeed());
  ASSERT_TRUE(NextBox(bench::milliseconds{30000})) << "no error message\n" << Log().Text();
  EXPECT_EQ(" Fehler:  5", AnswerNext(L"OK"));

  // Every code once and in order, NUL included; the times are of this reception.
  const auto lines = RxLines();
  EXPECT_EQ((std::vector<std::string>{"Beginn: <Zeit>", "DDH47 DDK9 PINNEBERG 147.3 KHZ", Shown(AllCodesLine()),
                                      "RYRYRYRYRYRY", "Stop: <Zeit>",
                                      "Start Speichern: <Zeit> (vom " + kDay.FileForm() + " UTC)",
                                      "Stop Speichern: <Zeit>", "Start: <Zeit> (vom " + kDay.DisplayForm() + " UTC)",
                                      "SEEWETTERBERICHT FUER DIE OSTSEE", "NNNN", "Stop: <Zeit>", "Ende: <Zeit>"}),
            TimesMarked(lines, started));

  holder.reset();  // the C runtime's reader does not share delete access
  EXPECT_EQ(kSavedLines[0] + "\r\n" + kSavedLines[1] + "\r\n" + kSavedLines[2] + "\r\n",
            bench::ReadFileBytes(path))
      << WideToUtf8(path);

  // Once the queue is through: the line the end cut off came while waiting, so the end dropped it
  // from the receive line rather than leave it to be continued by the next reception.
  EXPECT_EQ("&mitschreiben|Status: Bereit|FQEN|NNNN|Zeilen:15|",
            ControlText(IDC_RECORD_BUTTON) + '|' + PanelText(0) + '|' + ControlText(IDC_START_WORDS) + '|' +
                ControlText(IDC_STOP_WORDS) + '|' + PanelText(1) + '|' + ControlText(IDC_LINE_LABEL));

  // The end removes the engine's window procedure: what the engine sends on reaches nothing, not even a bad code.
  for (LPARAM code : {LPARAM{'X'}, LPARAM{300}}) PostMessageW(MainWindow(), RegisterWindowMessageA("MMTTY"), 0x8003, code);
  WaitUntilHandled();
  EXPECT_EQ(lines, RxLines());
  EXPECT_EQ("", NoBoxes());
}

// Both scroll bars of the Rx window as a user would judge them: shown, with
// more to scroll than a page, and drawn: an undrawn bar's strip keeps the
// text background (and left-over glyphs), while arrows, track and thumb in
// any theme are mostly of other colours.
std::string ScrollBars(HWND rx, const std::wstring& ranges) {
  std::wistringstream rangeLines(ranges);
  RECT client{};
  GetClientRect(rx, &client);
  MapWindowPoints(rx, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::string state;
  for (const bool vertical : {true, false}) {
    int range = 0, page = 0;
    rangeLines >> range >> page;
    const int thickness = GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
    const RECT strip = vertical ? RECT{client.right, client.top, client.right + thickness, client.bottom}
                                : RECT{client.left, client.bottom, client.right, client.bottom + thickness};
    const double background = bench::ShareOfColor(strip, GetSysColor(COLOR_WINDOW));
    state += std::string(vertical ? "vertical: " : "horizontal: ") +
             (GetWindowLongW(rx, GWL_STYLE) & (vertical ? WS_VSCROLL : WS_HSCROLL) ? "shown" : "hidden") +
             (range > page ? ", beyond a page" : ", range " + std::to_string(range) + " page " + std::to_string(page)) +
             (background < 0.5 ? ", drawn\n" : ", " + std::to_string(background) + " text background\n");
  }
  return state;
}

// Received past a page and past the window's width while appends hold the
// redraw back: afterwards both scroll bars are there, frame and all.
TEST_F(Engine, FilledRxWindowShowsBothScrollBars) {
  ShowWindowAsync(MainWindow(), SW_RESTORE);
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  // Many lines and one long one, so that the thumbs are small.
  std::string fill(300, 'X');
  for (int line = 1; line <= 100; ++line) fill.append("\nZEILE ").append(std::to_string(line));
  bench::PostAsEngine(MainWindow(), fill + '\n');
  WaitUntilHandled();
  const auto bars = [] {
    return ScrollBars(ControlOfMain(IDC_RX_WINDOW),
                      ProbeOfZorbel().Ask(probe::ProbeRequest::DescribeScrollBars, IDC_RX_WINDOW));
  };
  constexpr char kExpected[] = "vertical: shown, beyond a page, drawn\nhorizontal: shown, beyond a page, drawn\n";
  bench::PollUntil([&] { return bars() == kExpected; }, kBound);
  EXPECT_EQ(kExpected, bars());
  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
}

// NAVTEX beside the capture: a gale warning twice and a distress relay as the engine posts them are listed in
// "Datei › NAVTEX-Meldungen…", the repeat folded with its count, the distress relay apart above the others; each
// message is a file in the NAVTEX folder chosen under "Einstellungen › Ordner zum Abspeichern › &NAVTEX".
TEST_F(Engine, NavtexMessagesAreListedFoldedWithSearchAndRescueApartAndSaved) {
  const std::wstring menu = ReadMenu();
  EXPECT_LT(menu.find(L"Wetter &lesen…"), menu.find(L"&NAVTEX-Meldungen…")) << WideToUtf8(menu);
  EXPECT_LT(menu.find(L"&NAVTEX-Meldungen…"), menu.find(L"&Ablageordner öffnen")) << WideToUtf8(menu);
  EXPECT_LT(menu.find(L"&sonstige Dateien", menu.find(L"&Ordner zum Abspeichern")), menu.rfind(L"&NAVTEX"))
      << WideToUtf8(menu);
  // The chooser proposes "NAVTEX"; another name confirmed in the weather folder it opens on.
  bench::ChooseMenuItem(MainWindow(), IDM_ORDNERNAVTEX);
  const HWND chooser = bench::WaitForTopWindow(Zorbel().processId(), L"ZorbelFolderChooser", kBound);
  ASSERT_TRUE(chooser);
  const HWND name = FindWindowExW(chooser, nullptr, L"Edit", nullptr);
  EXPECT_EQ("NAVTEX", WideToUtf8(bench::WindowText(name)));
  bench::SendBounded(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Seefunk"));
  PostMessageW(chooser, WM_COMMAND, IDOK, 0);

  // Opened before reception (which grays the "Datei" menu), the window follows it.
  bench::ChooseMenuItem(MainWindow(), IDM_NAVTEX);
  const HWND navtex = bench::WaitForTopWindow(Zorbel().processId(), ZORBEL_NAVTEX_WINDOW_CLASS, kBound);
  ASSERT_TRUE(navtex);
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  const std::string gale = "ZCZC SB12\r\nGALE WARNING GERMAN BIGHT NW 8\r\nNNNN\r\n";
  bench::PostAsEngine(MainWindow(), gale + gale + "ZCZC SD03\r\nMAYDAY RELAY VESSEL ON FIRE 5410N 00720E\r\nNNNN\r\n");
  WaitUntilHandled();
  const auto rows = [&](int listId) { return NavtexRows(navtex, listId); };
  EXPECT_EQ(kNavtexRows, rows(IDC_NAVTEX_ALARMS) + rows(IDC_NAVTEX_MESSAGES));
  const HWND frequency = bench::Control(navtex, IDC_NAVTEX_FREQUENCY);
  EXPECT_EQ(L"518 kHz", bench::ComboItems(frequency).at(bench::SendBounded(frequency, CB_GETCURSEL)));
  EXPECT_EQ("SEENOT / PIRATERIE", WideToUtf8(bench::WindowText(bench::Control(navtex, IDC_NAVTEX_ALARM_LABEL))));

  // The distress relay chosen with the keyboard: its text under the lists.
  PostMessageW(bench::Control(navtex, IDC_NAVTEX_ALARMS), WM_KEYDOWN, VK_HOME, 0);
  WaitUntilHandled();
  EXPECT_EQ("ZCZC SD03\r\nMAYDAY RELAY VESSEL ON FIRE 5410N 00720E\r\nNNNN",
            WideToUtf8(bench::WindowText(bench::Control(navtex, IDC_NAVTEX_TEXT))));
  EXPECT_EQ("", SaveScreenshot(navtex, L"navtex-window.png"));

  // Filters: A cannot be cleared, C can; another station hides the warning.
  const HWND subjects = bench::Control(navtex, IDC_NAVTEX_SUBJECTS);
  for (const WPARAM key : {VK_HOME, VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE}) PostMessageW(subjects, WM_KEYDOWN, key, 0);
  WaitUntilHandled();
  const auto checked = [&](int entry) {
    return bench::SendBounded(subjects, LVM_GETITEMSTATE, entry, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
  };
  EXPECT_TRUE(checked(0) && checked(1) && !checked(2)) << "A B C: " << checked(0) << checked(1) << checked(2);
  const auto choose = [&](int comboId, int entry) {
    const HWND combo = bench::Control(navtex, comboId);
    bench::SendBounded(combo, CB_SETCURSEL, entry);
    PostMessageW(navtex, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    WaitUntilHandled();
    return WideToUtf8(bench::ComboItems(combo).at(entry));
  };
  EXPECT_EQ("B  Bodø", choose(IDC_NAVTEX_STATION, 1));
  EXPECT_EQ("", rows(IDC_NAVTEX_MESSAGES));
  // Another frequency: its own stations and their broadcasts (the lists' rules are the unit tests').
  EXPECT_EQ("490 kHz", choose(IDC_NAVTEX_FREQUENCY, 0));
  EXPECT_EQ(7, bench::SendBounded(bench::Control(navtex, IDC_NAVTEX_STATION), CB_GETCOUNT)) << "all, and six stations";
  EXPECT_EQ(6, bench::SendBounded(bench::Control(navtex, IDC_NAVTEX_BROADCASTS), LB_GETCOUNT));
  EXPECT_EQ("518 kHz", choose(IDC_NAVTEX_FREQUENCY, 1));

  // One file a message shown, named by date, time and identity, and the memory for the next start.
  std::vector<std::string> saved;
  for (const auto& entry : std::filesystem::directory_iterator(InWorkingFolder(L"Wetterberichte\\SEEFUNK"))) {
    const std::string name = WideToUtf8(entry.path().filename().wstring());
    saved.push_back(name.size() > 16 && name[10] == '_' ? "<Zeit>" + name.substr(15) : name);
  }
  std::sort(saved.begin(), saved.end());
  EXPECT_EQ((std::vector<std::string>{"<Zeit>_SB12.txt", "<Zeit>_SD03.txt", "NAVTEX-Speicher.txt"}), saved);
  EXPECT_EQ("", NoBoxes());
  PostMessageW(navtex, WM_CLOSE, 0, 0);
  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
}

// The engine's program ends without a word during reception (a crash): reception
// ends with its usual line and a box, and the next start starts the engine again.
TEST_F(Engine, EngineGoneDuringReceptionEndsItAndTheNextStartStartsItAgain) {
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  const SYSTEMTIME killed = LocalNow();
  DWORD engineId = 0;
  GetWindowThreadProcessId(FindWindowA(nullptr, "MMTTY Engine"), &engineId);
  const bench::UniqueHandle engine(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, engineId));
  ASSERT_TRUE(engine && TerminateProcess(engine.get(), 1));
  EXPECT_EQ("Verbindung zur Engine verloren", AnswerNext(L"OK"));
  EXPECT_EQ(std::vector<std::string>{"Ende: <Zeit>"}, TimesMarked({RxLines().back()}, killed));
  EXPECT_EQ("&mitschreiben|Status: Keine Verbindung zur Engine", ControlText(IDC_RECORD_BUTTON) + '|' + PanelText(0));
  // Whole in its panel at the window's design width (600 pixels at 96 DPI), in the bar's font (the message font).
  RECT before{};
  GetWindowRect(MainWindow(), &before);
  const HDC screen = GetDC(nullptr);
  const int designWidth = MulDiv(9000, GetDeviceCaps(screen, LOGPIXELSX), 1440);
  ReleaseDC(nullptr, screen);
  SetWindowPos(MainWindow(), nullptr, 0, 0, designWidth, before.bottom - before.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  bench::PollUntil([&] { return bench::OuterSize(MainWindow()).cx == designWidth; }, kBound);
  WaitUntilHandled();
  const RECT panel = bench::StatusPanelRect(Zorbel().process(), ControlOfMain(IDC_STATUS_BAR), 0);
  EXPECT_LE(bench::TextWidth(bench::MessageFont(), bench::Utf8ToWide(PanelText(0))), panel.right - panel.left)
      << "the status panel cuts its text";
  SetWindowPos(MainWindow(), nullptr, 0, 0, before.right - before.left, before.bottom - before.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  WaitUntilHandled();

  std::filesystem::remove(InWorkingFolder(bench::kStandInLogName));
  EXPECT_TRUE(ClickRecordButtonUntil("&Stop"));
  EXPECT_TRUE(Log().WaitForLine(HandshakeLine(), kBound)) << "no handshake from a new engine\n" << Log().Text();
  EXPECT_EQ("Status: mitschreiben", PanelText(0));
  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
}

TEST_F(Engine, OtherFilesEntryCreatesTheConfirmedFolder) {
  const std::wstring created = InWorkingFolder(L"Wetterberichte\\SONSTIGE DATEIEN");
  std::filesystem::remove(created);  // the file that was in the way
  ConfirmOtherFilesFolder();
  // The proposed name, in upper case.
  EXPECT_TRUE(bench::PollUntil([&] { return std::filesystem::is_directory(created); }, kBound)) << WideToUtf8(created);
  WaitUntilHandled();
  EXPECT_EQ("", NoBoxes());
}

TEST_F(Engine, SavesOpensAndClearsTheRxWindow) {
  const auto lines = RxLines();
  const HWND rx = ControlOfMain(IDC_RX_WINDOW);
  bench::SendBounded(rx, EM_SETSEL, 0, 5);
  bench::ChooseMenuItem(MainWindow(), IDT_BOLD);
  const SYSTEMTIME now = LocalNow();
  const std::string proposed = " [Wetter " + std::to_string(now.wDay) + LocaleText(LOCALE_SABBREVMONTHNAME1 + now.wMonth - 1);
  const std::wstring rtf = InWorkingFolder(L"Rx.rtf");
  const std::wstring txt = InWorkingFolder(L"Rx.txt");
  for (const auto& path : {rtf, txt}) {
    bench::ChooseMenuItem(MainWindow(), IDM_SAVE);
    const std::string seen = ChooseInFileDialog(path);
    EXPECT_TRUE(seen.starts_with("Speichern" + proposed)) << seen;
  }
  WaitUntilHandled();
  std::wstring shown;
  for (const auto& line : lines) shown += bench::Utf8ToWide(line) + L"\r\n";
  std::replace(shown.begin(), shown.end(), L'\x2400', L'\0');  // the received NUL again
  std::string cp1252(shown.size(), '\0');
  WideCharToMultiByte(1252, 0, shown.data(), static_cast<int>(shown.size()), cp1252.data(),
                      static_cast<int>(cp1252.size()), nullptr, nullptr);
  EXPECT_EQ(cp1252, bench::ReadFileBytes(txt)) << "received bytes in code page 1252, one CR LF a line";
  EXPECT_NE(std::string::npos, bench::ReadFileBytes(rtf).find("\\b")) << "the bold run is in the RTF";

  // Formatting that changes nothing (bold on the bold run, the font dialog
  // cancelled) leaves the text saved. Saved: clearing asks only whether to
  // clear. An empty window has nothing to clear: the entry (and Ctrl+L) does not act.
  bench::SendBounded(rx, EM_SETSEL, 0, 5);
  bench::ChooseMenuItem(MainWindow(), IDT_BOLD);
  bench::ChooseMenuItem(MainWindow(), IDM_FONT);
  EXPECT_EQ("Schriftart", AnswerNext(L"Abbrechen"));
  for (const bool empty : {false, true}) {
    bench::ChooseMenuItem(MainWindow(), IDM_RXKILL);
    if (!empty) { EXPECT_EQ("Text löschen ?", AnswerNext(L"Ja")); }  // braced: the macro holds an if-else
    WaitUntilHandled();
    EXPECT_EQ("", NoBoxes());
    EXPECT_TRUE(RxLines().empty());
    EXPECT_EQ("Zeilen:", PanelText(1));
  }

  // Open: the RTF keeps the bold run, a UTF-8 text file its umlauts.
  bench::ChooseMenuItem(MainWindow(), IDM_OPEN);
  EXPECT_EQ("Öffnen []", ChooseInFileDialog(rtf));
  WaitUntilHandled();
  EXPECT_EQ(lines, RxLines());
  const HWND opened = ControlOfMain(IDC_RX_WINDOW);
  bench::SendBounded(opened, EM_SETSEL, 0, 5);
  const CHARFORMAT2W format = bench::RichEditSelectionFormat(Zorbel().process(), opened);
  EXPECT_TRUE((format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD));
  const std::string utf8 = "\xEF\xBB\xBFK\xC3\xBChl \xC5\x81\r\nNNNN";
  bench::WriteFileBytes(InWorkingFolder(L"utf8.txt"), utf8);
  bench::ChooseMenuItem(MainWindow(), IDM_OPEN);
  ChooseInFileDialog(InWorkingFolder(L"utf8.txt"));
  WaitUntilHandled();
  const std::vector<std::string> opened8{"Kühl Ł", "NNNN"};
  EXPECT_EQ(opened8, RxLines());
  // "Ł" has no byte in code page 1252: saved as TXT it comes back as UTF-8, byte for byte.
  bench::ChooseMenuItem(MainWindow(), IDM_SAVE);
  ChooseInFileDialog(InWorkingFolder(L"saved8.txt"));
  WaitUntilHandled();
  EXPECT_EQ(utf8, bench::ReadFileBytes(InWorkingFolder(L"saved8.txt")));
  EXPECT_EQ("Status: als UTF-8 gespeichert", PanelText(0));

  // A file cut short (its group never closed), which the rich edit control takes in part, leaves the text.
  bench::WriteFileBytes(InWorkingFolder(L"cut.rtf"), "{\\rtf1\\ansi Neuer Text");
  bench::ChooseMenuItem(MainWindow(), IDM_OPEN);
  ChooseInFileDialog(InWorkingFolder(L"cut.rtf"));
  const std::string box = AnswerNext(L"OK", true);
  EXPECT_TRUE(box.starts_with("Fehler|") && box.ends_with("Die Datei enthält keinen lesbaren RTF-Text.|exclamation|OK"))
      << box;
  EXPECT_EQ(opened8, RxLines());
  bench::WriteFileBytes(InWorkingFolder(L"binary.txt"), std::string("A\0B\r\nC", 6));
  bench::ChooseMenuItem(MainWindow(), IDM_OPEN);
  ChooseInFileDialog(InWorkingFolder(L"binary.txt"));
  EXPECT_EQ((std::vector<std::string>{"A\u2400B", "C"}), RxLines()) << "a NUL shows as its symbol, nothing is cut";
}

// The question before reception with the main window low on the screen and the engine's window in front
// (the user last worked in it): the box stands over the main window as far as the work area allows, and in
// front of the engine's window. (Wine itself centres every box on the screen, over the docked engine window.)
TEST_F(Engine, TheQuestionAtReceptionStartStandsOnTheScreenInFrontOfTheEngine) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const std::size_t from = Log().Lines().size();
  SetWindowPos(MainWindow(), nullptr, 40, work.bottom - 150, 900, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  ASSERT_TRUE(Log().WaitForLine(Command(5, (work.bottom + 50) * 65536 + 40), kBound, from)) << Log().Text();
  const HWND engine = FindWindowA(nullptr, "MMTTY Engine");
  ASSERT_TRUE(engine && SetForegroundWindow(engine));
  WaitUntilHandled();

  bench::ClickButton(ControlOfMain(IDC_RECORD_BUTTON));
  const auto box = NextBox();
  ASSERT_TRUE(box) << "no question";
  EXPECT_EQ("Text löschen ?", WideToUtf8(box->title));
  RECT place{};
  GetWindowRect(box->window, &place);
  RECT main{};
  GetWindowRect(MainWindow(), &main);
  EXPECT_TRUE(place.left >= work.left && place.top >= work.top && place.right <= work.right &&
              place.bottom == work.bottom && std::abs((place.left + place.right) - (main.left + main.right)) <= 2)
      << "box " << place.left << "," << place.top << "-" << place.right << "," << place.bottom << " over the main window "
      << main.left << "-" << main.right << " on the work area " << work.right << "x" << work.bottom;
  int order = 0, boxOrder = -1, engineOrder = -1;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT), ++order) {
    if (window == box->window) boxOrder = order;
    if (window == engine) engineOrder = order;
  }
  EXPECT_TRUE(boxOrder >= 0 && boxOrder < engineOrder) << "box " << boxOrder << ", engine " << engineOrder << " from the top";
  EXPECT_EQ("", SaveScreenshot(box->window, L"question-low-on-the-screen.png", work));

  bench::AnswerMessageBox(*box, L"Nein");
  EXPECT_TRUE(bench::PollUntil([] { return ControlText(IDC_RECORD_BUTTON) == "&Stop"; }, kBound));
  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
  SetWindowPos(MainWindow(), nullptr, 40, 30, 900, 600, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  WaitUntilHandled();
}

TEST_F(Engine, AFailedSaveShowsWhyAndKeepsTheTextUnsaved) {
  // Typing makes the opened text the user's own work.
  PostMessageW(ControlOfMain(IDC_RX_WINDOW), WM_CHAR, 'x', 0);
  const std::wstring locked = InWorkingFolder(L"locked.rtf");
  bench::WriteFileBytes(locked, "{\\rtf1 earlier}");
  SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  // Writable again whatever happens, so that the next run can empty the folder.
  const std::unique_ptr<const wchar_t, void (*)(const wchar_t*)> unlock(
      locked.c_str(), [](const wchar_t* path) { SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL); });
  bench::ChooseMenuItem(MainWindow(), IDM_SAVE);
  const std::string chosen = ChooseInFileDialog(locked);
  EXPECT_EQ("Speichern", AnswerNext(L"Ja")) << chosen << ": the dialog asks whether to replace the file";
  // GetWindowText reads another process's caption without a message, so the closing dialog cannot block it.
  const auto failureShown = [] {
    for (HWND dialog : bench::VisibleDialogsOf(Zorbel().processId())) {
      wchar_t title[16] = {};
      GetWindowTextW(dialog, title, 16);
      if (std::wstring_view(title) == L"Fehler") return true;
    }
    return false;
  };
  ASSERT_TRUE(bench::PollUntil(failureShown, kBound)) << WideToUtf8(bench::DescribeMessageBoxes(Zorbel().processId()));
  const std::string failure = AnswerNext(L"OK", true);
  EXPECT_TRUE(failure.starts_with("Fehler|") && failure.find("locked.rtf") != std::string::npos &&
              failure.ends_with("|exclamation|OK"))
      << failure;
  EXPECT_EQ("{\\rtf1 earlier}", bench::ReadFileBytes(locked));
}

// Last of the group: zorbel ends here. The engine window is hidden before
// the question; No keeps the program; a session end that another program
// refuses leaves reception running; Yes asks to save the typed text.
// Started again, it lists the NAVTEX messages received before.
TEST_F(Engine, ClosingAsksHidesReleasesThenEndsTheEngine) {
  bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
  std::size_t from = Log().Lines().size();
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ("Programmende", AnswerNext(L"Nein"));
  EXPECT_TRUE(Log().WaitForLine(Command(16, 0), kBound, from)) << Log().Text();
  EXPECT_TRUE(MenuChecked(L"Engine &unsichtbar"));
  EXPECT_FALSE(Zorbel().HasExited());

  from = Log().Lines().size();
  PostMessageW(MainWindow(), WM_QUERYENDSESSION, 0, 0);
  EXPECT_EQ("Text speichern ?", AnswerNext(L"Nein")) << "the session end asks only to save";
  PostMessageW(MainWindow(), WM_ENDSESSION, FALSE, 0);
  // Cancel in the save dialog means "not now": zorbel stays, the text with it.
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ("Programmende", AnswerNext(L"Ja"));
  EXPECT_EQ("Text speichern ?", AnswerNext(L"Ja"));
  EXPECT_EQ("Speichern", AnswerNext(L"Abbrechen"));
  WaitUntilHandled();
  EXPECT_FALSE(Zorbel().HasExited());
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ("Programmende", AnswerNext(L"Ja"));
  EXPECT_EQ("Text speichern ?", AnswerNext(L"Nein"));
  const auto end = Log().WaitForLine(Command(2, 0), kBound, from);
  ASSERT_TRUE(end && *end > from) << Log().Text();
  EXPECT_EQ(Command(22, 1), Log().Lines()[*end - 1]) << "release right before the end";
  const std::vector<std::string> lines = Log().Lines();
  EXPECT_EQ(1, std::count(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(), Command(22, 1)))
      << "the refused session end released nothing\n" << Log().Text();
  EXPECT_TRUE(Log().WaitForLine("end", kBound, *end)) << Log().Text();
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(Zorbel().process(), static_cast<DWORD>(kBound.count())))
      << "zorbel.exe did not end";

  ASSERT_NO_THROW(StartAgain());
  bench::ChooseMenuItem(MainWindow(), IDM_NAVTEX);
  const HWND navtex = bench::WaitForTopWindow(Zorbel().processId(), ZORBEL_NAVTEX_WINDOW_CLASS, kBound);
  ASSERT_TRUE(navtex);
  EXPECT_EQ(kNavtexRows, NavtexRows(navtex, IDC_NAVTEX_ALARMS) + NavtexRows(navtex, IDC_NAVTEX_MESSAGES));
  EXPECT_EQ("", NoBoxes());
}

}  // namespace
