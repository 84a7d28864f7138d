// A first start with an empty store and no weather-report folder: the splash,
// the folder chooser during start-up, a second instance, and the keys that
// closing writes.
#include <filesystem>
#include <map>

#include "BenchConfig.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

// A window's text as the system keeps it: read without a message, so a start-up
// that holds zorbel's thread (showing a window under Wine without a window
// manager can take seconds) cannot make the read fail.
std::string TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return WideToUtf8(text);
}

void ClickButton(HWND dialog, const std::string& caption) {
  for (HWND child : bench::ChildrenOf(dialog))
    if (TextOf(child) == caption)
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED), reinterpret_cast<LPARAM>(child));
}

// Texts of the children of one class, in creation order, as "text|text|".
std::string ChildTexts(HWND parent, const std::wstring& className) {
  std::string texts;
  for (HWND child : bench::ChildrenOf(parent))
    if (bench::ClassName(child) == className) texts += TextOf(child) + "|";
  return texts;
}

std::map<std::wstring, std::wstring> StoredSettings() {
  std::map<std::wstring, std::wstring> values;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZORBEL\\Settings", 0, KEY_READ,
                    &key) != ERROR_SUCCESS)
    return values;
  wchar_t name[256], data[1024];
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = 256, dataBytes = sizeof data, type = 0;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataBytes) !=
        ERROR_SUCCESS)
      break;
    values[name] = type == REG_SZ ? std::wstring(data, dataBytes / sizeof(wchar_t) - 1) : L"(not REG_SZ)";
  }
  RegCloseKey(key);
  return values;
}

class FirstStart : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    StartZorbel([](const std::wstring& folder) { std::filesystem::remove(folder + L"\\Wetterberichte"); }, false);
  }
};

TEST_F(FirstStart, SplashThenTheChooserBeforeTheMainWindow) {
  const HWND chooser = bench::WaitForTopWindow(Zorbel().processId(), L"ZorbelFolderChooser", bench::milliseconds{20000});
  ASSERT_TRUE(chooser) << "no folder chooser at a first start";
  EXPECT_FALSE(bench::TopWindowOf(Zorbel().processId(), L"ZorbelMainWindow")) << "the main window waits";
  const HWND splash = bench::TopWindowOf(Zorbel().processId(), L"ZorbelSplash");
  ASSERT_TRUE(splash) << "no splash";
  RECT place{};
  GetWindowRect(splash, &place);
  EXPECT_EQ(place.left, 0);
  EXPECT_EQ(place.top, 0);
  EXPECT_EQ(ChildTexts(splash, L"Static"),
            "|Fernschreibempfang mit|ZORBEL|für Windows 9x/NT/XP|Version 1.1.4| Warnung:|"
            "Ein Empfangsprogramm für Funkfernschreiben: es liest nur mit und sendet nicht.|");
  EXPECT_EQ(TextOf(chooser), "  Ordner zum Abspeichern festlegen");
  // It starts at the root of the program folder's drive and names the folder that OK would make there.
  const std::string drive = WideToUtf8(Zorbel().workingFolder().substr(0, 1));
  EXPECT_EQ(ChildTexts(chooser, L"Static") + ChildTexts(chooser, L"Button"),
            "Ordnerbezeichnung:|Speicherort: " + drive + ":\\WETTERBERICHTE|&Abbrechen|&OK|");

  EXPECT_EQ("", SaveScreenshot(chooser, L"folder-chooser.png"));

  ClickButton(chooser, "&Abbrechen");
  ASSERT_NO_THROW(Zorbel().WaitForMainWindow());
  EXPECT_EQ("", NoBoxes()) << "cancel shows nothing";
}

TEST_F(FirstStart, SecondStartSaysSoAndEnds) {
  const auto second = bench::StartProgram(bench::Config().zorbelExe, Zorbel().workingFolder());
  const auto box = bench::WaitForMessageBox(second.id, kBound);
  ASSERT_TRUE(box) << "no box from the second start";
  EXPECT_EQ(WideToUtf8(box->title), "ZORBEL läuft bereits ");
  EXPECT_FALSE(bench::TopWindowOf(second.id, L"ZorbelSplash")) << "a second start shows no splash";
  bench::AnswerMessageBox(*box, L"OK");
  EXPECT_EQ(WaitForSingleObject(second.process.get(), 10000), WAIT_OBJECT_0) << "the second start goes on running";
  WaitUntilHandled();
  EXPECT_FALSE(Zorbel().HasExited());
}

TEST_F(FirstStart, ClosingStoresEveryKey) {
  bench::ChooseMenuItem(MainWindow(), IDM_EXIT);
  // Without an engine, hiding its window first reports the missing connection.
  EXPECT_EQ("Fehler", AnswerNext(L"OK"));
  EXPECT_EQ("Programmende", AnswerNext(L"Ja"));
  ASSERT_EQ(WaitForSingleObject(Zorbel().process(), 10000), WAIT_OBJECT_0) << "still running after \"&Beenden\"";
  // A weather folder missing and not chosen is kept as it was.
  const std::string folder = WideToUtf8(Zorbel().workingFolder()) + "\\Wetterberichte\n";
  std::string written;
  for (const auto& [key, value] : StoredSettings()) written += WideToUtf8(key + L"=" + value) + "\n";
  EXPECT_EQ("AutomSpeichern=True\nFBreite=9000\nFHöhe=6075\nNavtexFrequenz=518000\nNoStartWort=False\n"
            "NoStopWort=False\nSpeicherOrdner=" + folder + "SpeicherOrdnerAFu=" + folder + "SpeicherOrdnerNavtex=" +
                WideToUtf8(Zorbel().workingFolder()) + "\\NAVTEX\nSpeicherOrdnerSyn=" + folder +
                "StartWortOstsee=FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,\nStartWortTema=Ostsee\n"
                "StopWortOstsee=NNNN,RYRYRY,ZCZC,\n",
            written);
}

}  // namespace
