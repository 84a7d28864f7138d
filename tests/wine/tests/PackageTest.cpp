// The package unpacked into an empty folder (tests/wine/package) and started
// as a new user starts it, with no MMTTY: the package's own mmtty.bat starts
// our engine, which finds the polarity by itself; zorbel finds its help page
// and says so when the page is gone. Started by hand, the packaged engine is a
// Windows program of its own (version, icon, least size) whose
// picture is whole before any audio arrives, whose list of weather charts
// shows a folder's charts and opens them, and which receives a chart by
// radiofax into that folder.
#include <windows.h>

#include <filesystem>
#include <regex>
#include <set>

#include "BenchConfig.h"
#include "RemoteText.h"
#include "ScreenPicture.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "decoder/FaxGenerator.h"
#include "decoder/FaxTestCharts.h"
#include "decoder/PngImage.h"
#include "decoder/WavFile.h"
#include "resource.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace {

namespace ids = zorbel::engine_side;

std::filesystem::path Unpacked() { return std::filesystem::path(bench::Config().zorbelExe).parent_path(); }

std::string EngineText(HWND engine, int controlId) {
  return bench::WideToUtf8(bench::WindowText(bench::Control(engine, controlId)));
}

// A chart as the engine keeps one: 1809 elements wide, made from code.
void WriteChart(const std::wstring& path, std::uint32_t seed) {
  zorbel::decoder::WritePngFile(std::filesystem::path(path), zorbel::decoder::MakeTestChart(1809, 600, seed));
}

class Package : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    StartZorbel([](const std::wstring& folder) {
      // Unpacked where zorbel starts, and nothing else there.
      for (const auto& entry : std::filesystem::directory_iterator(Unpacked()))
        std::filesystem::copy_file(entry.path(), std::filesystem::path(folder) / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
      // A new user of the engine.
      RegDeleteTreeW(HKEY_CURRENT_USER, ids::kEngineSettingsKey);
    });
  }
};

TEST_F(Package, StartsOurEngineThroughItsOwnBatchFileAndFindsItsHelpPage) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Unpacked()))
    names.insert(entry.path().filename().string());
  std::string unpacked;
  for (const auto& name : names) unpacked += name + ' ';
  EXPECT_EQ("LIESMICH.txt mmtty.bat zorbel-engine.exe zorbel-hilfe.html zorbel.exe ", unpacked);
  EXPECT_EQ("@\"%~dp0zorbel-engine.exe\" %*\r\n", bench::ReadFileBytes((Unpacked() / "mmtty.bat").wstring()));
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  const std::string caption = bench::WideToUtf8(bench::WindowText(MainWindow()));
  EXPECT_NE("ZORBEL   V1.1.4", caption) << "linked to the engine, the caption changes";
  HWND engine = nullptr;
  EXPECT_TRUE(bench::PollUntil([&] { return (engine = FindWindowW(L"ZorbelEngineWindow", nullptr)) != nullptr; },
                               kBound))
      << "our engine did not start";
  if (engine) {
    EXPECT_EQ("Baud und Shift automatisch · Polarität automatisch · 1,5 Stopbits · Notch 0 / 0 Hz",
              EngineText(engine, ids::IDC_ENGINE_MODE));
    EXPECT_TRUE(EngineText(engine, ids::IDC_ENGINE_MESSAGE).starts_with("Bereit: "));
  }

  // Without its page, help says so in a box titled with the main window's caption.
  std::filesystem::remove(Unpacked() / "zorbel-hilfe.html");
  bench::ChooseMenuItem(MainWindow(), IDM_HILFE);
  const auto box = NextBox();
  ASSERT_TRUE(box) << "no message box";
  EXPECT_EQ(caption, bench::WideToUtf8(box->title));
  EXPECT_EQ("Hilfeinhalt konnte nicht angezeigt werden. Dieser Anwendung ist keine Hilfedatei zugeordnet.",
            bench::WideToUtf8(box->text));
  EXPECT_EQ("information", IconOfBox());
  bench::AnswerMessageBox(*box, L"OK");
  EXPECT_TRUE(MenuChecked(L"Engine &unsichtbar")) << "the engine window is hidden first";
}

// Started by hand, without zorbel, our engine stands on its own as a Windows
// program, shows a whole picture before any audio, keeps its least size and
// ends on Alt+F4.
TEST_F(Package, PackagedEngineIsAWindowsProgramOfItsOwn) {
  const std::wstring exe = (Unpacked() / "zorbel-engine.exe").wstring();
  // A German version block, version 1.1.4.
  std::vector<char> version(GetFileVersionInfoSizeW(exe.c_str(), nullptr) + 1);
  wchar_t* fileVersion = nullptr;
  UINT length = 0;
  EXPECT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(version.size()), version.data()) &&
              VerQueryValueW(version.data(), L"\\StringFileInfo\\040704B0\\FileVersion",
                             reinterpret_cast<void**>(&fileVersion), &length) &&
              std::wstring(fileVersion) == L"1.1.4");
  EXPECT_EQ(1u, ExtractIconExW(exe.c_str(), -1, nullptr, nullptr, 0)) << "one icon";

  // A folder of charts: two received, one cut off and unreadable, and a picture of the user's own.
  const std::wstring charts = InWorkingFolder(L"Karten");
  std::filesystem::create_directories(charts);
  WriteChart(charts + L"\\2026-12-07 0512 UTC Bodendruck-Vorhersage +36 h (7880 kHz).png", 1);
  WriteChart(charts + L"\\2026-12-06 2200 UTC Bodenanalyse (3855 kHz).png", 2);
  WriteChart(charts + L"\\Urlaub.png", 3);
  bench::WriteFileBytes(charts + L"\\2026-12-07 0525 UTC Wetterkarte (7880 kHz) unvollständig.png", "kein Bild");
  RegSetKeyValueW(HKEY_CURRENT_USER, ids::kEngineSettingsKey, L"Wetterkartenordner", REG_SZ, charts.c_str(),
                  static_cast<DWORD>((charts.size() + 1) * sizeof(wchar_t)));

  const auto engine = bench::StartProgram(exe);
  const HWND window = bench::WaitForTopWindow(engine.id, L"ZorbelEngineWindow", kBound);
  ASSERT_TRUE(window) << "no engine window";
  // The picture: the tone markers on the spectrum's 0 to 3000 Hz, and the tuning bars' dark ground only at the
  // right edge. Read until Wine has brought it to the screen.
  const auto picture = [&] {
    RECT signal{};
    GetWindowRect(bench::Control(window, ids::IDC_ENGINE_SIGNAL), &signal);
    const int spectrumWidth = signal.right - signal.left - 64;
    const int spectrumBottom = signal.top + (signal.bottom - signal.top) * 45 / 100;
    const auto markerAt = [&](double hz, COLORREF colour) {
      const int x = signal.left + static_cast<int>(hz / 3000 * spectrumWidth + 0.5);
      return bench::ShareOfColor(RECT{x - 1, signal.top, x + 2, spectrumBottom}, colour);
    };
    const RECT tuning{signal.right - 64, signal.top, signal.right, signal.bottom};
    const RECT rest{signal.left, signal.top, signal.right - 64, signal.bottom};
    const COLORREF mark = RGB(255, 80, 80), space = RGB(80, 170, 255), bar = RGB(40, 40, 40);
    return std::string(markerAt(2125, mark) > 0.1 ? "mark " : "") + (markerAt(2295, space) > 0.1 ? "space " : "") +
           (markerAt(0, mark) + markerAt(0, space) > 0 ? "marker-at-0 " : "") +
           (bench::ShareOfColor(tuning, bar) > 0.3 ? "bars " : "") +
           (bench::ShareOfColor(rest, bar) > 0 ? "bars-elsewhere" : "");
  };
  // A new user's engine searches baud and shift: no markers, for the tones set are no guide.
  EXPECT_TRUE(bench::PollUntil([&] { return picture() == "bars "; }, kBound)) << picture();
  // Given the amateurs' mode, the markers stand at the set tones (mark 2125 Hz, space 2295 Hz); again once made
  // wider, as docking under a wider window does: one picture, one pair of tuning bars.
  PostMessageW(window, WM_COMMAND, ids::IDM_ENGINE_PRESET_FIRST + 1, 0);
  for (const int width : {760, 1000}) {
    SetWindowPos(window, nullptr, 0, 0, width, 360, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(bench::PollUntil([&] { return bench::NothingLeftToPaint(window); }, kBound));
    EXPECT_TRUE(bench::PollUntil([&] { return picture() == "mark space bars "; }, kBound)) << width << ": " << picture();
    if (width == 760) { EXPECT_EQ("", SaveScreenshot(window, L"engine-before-audio.png")); }  // braced: the macro holds an if-else
  }

  // At its least: the picture at its least height and both lines; the text gave way first.
  SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{}, text{};
  GetClientRect(window, &client);
  GetWindowRect(bench::Control(window, ids::IDC_ENGINE_TEXT), &text);
  EXPECT_EQ(460, bench::OuterSize(window).cx);
  EXPECT_EQ(96, client.bottom);
  EXPECT_EQ(0, text.bottom - text.top);
  // "Datei › Wetterkarten...": the charts newest first; the first, unreadable, says so; the next opens at its
  // whole width and zooms in a step.
  PostMessageW(window, WM_COMMAND, ids::IDM_ENGINE_CHARTS, 0);
  const HWND list = bench::WaitForTopWindow(engine.id, L"ZorbelChartList", kBound);
  ASSERT_TRUE(list) << "no list of charts";
  const HWND rows = bench::Control(list, ids::IDC_CHARTS_LIST);
  std::string listed;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column)
      listed += bench::WideToUtf8(bench::ListViewCellText(engine.process.get(), rows, row, column)) + (column < 3 ? "|" : "\n");
  EXPECT_EQ("07.12.2026 05:25|Wetterkarte|7880 kHz|unvollständig\n"
            "07.12.2026 05:12|Bodendruck-Vorhersage +36 h|7880 kHz|\n06.12.2026 22:00|Bodenanalyse|3855 kHz|\n",
            listed);
  EXPECT_EQ("3 Wetterkarten in „" + bench::WideToUtf8(charts) + "“", EngineText(list, ids::IDC_CHARTS_NOTE));
  EXPECT_EQ("", SaveScreenshot(list, L"chart-list.png"));
  PostMessageW(list, WM_COMMAND, ids::IDM_CHARTS_OPEN, 0);
  const auto box = bench::WaitForMessageBox(engine.id, kBound);
  ASSERT_TRUE(box) << "no word on the unreadable chart";
  EXPECT_TRUE(bench::WideToUtf8(box->text).starts_with("Die Karte „2026-12-07 0525 UTC Wetterkarte (7880 kHz) "
                                                        "unvollständig.png“ lässt sich nicht öffnen: "))
      << bench::WideToUtf8(box->text);
  bench::AnswerMessageBox(*box, L"OK");
  bench::PressKey(rows, VK_DOWN);
  PostMessageW(list, WM_COMMAND, ids::IDM_CHARTS_OPEN, 0);
  const HWND viewer = bench::WaitForTopWindow(engine.id, L"ZorbelChartViewer", kBound);
  ASSERT_TRUE(viewer) << "the chart did not open";
  RECT shown{};
  GetClientRect(viewer, &shown);
  const auto title = [&] { return bench::WideToUtf8(bench::WindowText(viewer)); };
  EXPECT_TRUE(bench::PollUntil([&] { return title().starts_with("Bodendruck-Vorhersage +36 h – 07.12.2026 05:12 UTC, "
                                                                "7880 kHz – "); }, kBound)) << title();
  EXPECT_NEAR(shown.right * 100.0 / 1809, std::atoi(title().substr(title().rfind("– ") + 4).c_str()), 1) << title();
  EXPECT_EQ("", SaveScreenshot(viewer, L"chart-viewer.png"));
  PostMessageW(viewer, WM_COMMAND, ids::IDM_CHART_OWN_SIZE, 0);
  EXPECT_TRUE(bench::PollUntil([&] { return title().ends_with(" – 100 %"); }, kBound)) << title();
  PostMessageW(viewer, WM_COMMAND, ids::IDM_CHART_ZOOM_IN, 0);
  EXPECT_TRUE(bench::PollUntil([&] { return title().ends_with(" – 150 %"); }, kBound)) << title();

  // Back to what a new user has, for the groups after this one.
  PostMessageW(window, WM_COMMAND, ids::IDM_ENGINE_MODE_FOUND, 0);
  PostMessageW(window, WM_SYSKEYDOWN, VK_F4, LPARAM{KF_ALTDOWN} << 16 | 1);
  if (WaitForSingleObject(engine.process.get(), static_cast<DWORD>(kBound.count())) != WAIT_OBJECT_0) {
    TerminateProcess(engine.process.get(), 1);
    ADD_FAILURE() << "the engine did not end";
  }
}

// "Modus › Wetterfax", stored from before: a recording of a short chart played fast, over and over, comes out as a
// PNG file in the chart folder, named by its time and frequency; the chart shows where the text stood. While a file
// stands in the folder's way, the message line says so and the chart is kept, and saved with the next one.
TEST_F(Package, EngineReceivesAChartByRadiofaxIntoTheChartFolder) {
  const std::wstring charts = InWorkingFolder(L"Karten neu");
  bench::WriteFileBytes(charts, "");
  const std::wstring recording = InWorkingFolder(L"fax.wav");
  const zorbel::decoder::FaxMode mode;
  const zorbel::decoder::SignalShape shape;
  const auto sent = zorbel::decoder::MakeTestChart(mode.ElementsPerLine(), 80, 5);
  zorbel::decoder::WriteWavFile(std::filesystem::path(recording),
                                {shape.sampleRate, zorbel::decoder::GenerateFax(sent, mode, {5.0, 20, 5.0, 5.0}, shape)});
  RegSetKeyValueW(HKEY_CURRENT_USER, ids::kEngineSettingsKey, L"Wetterfax", REG_SZ, L"1", sizeof L"1");
  RegSetKeyValueW(HKEY_CURRENT_USER, ids::kEngineSettingsKey, L"Wetterkartenordner", REG_SZ, charts.c_str(),
                  static_cast<DWORD>((charts.size() + 1) * sizeof(wchar_t)));

  const auto engine = bench::StartProgram((Unpacked() / "zorbel-engine.exe").wstring(), {}, 0,
                                          L"--fast --repeat --wav \"" + recording + L"\"");
  const HWND window = bench::WaitForTopWindow(engine.id, L"ZorbelEngineWindow", kBound);
  ASSERT_TRUE(window) << "no engine window";
  // Taller, so that the chart shows more than its last lines.
  SetWindowPos(window, HWND_TOP, 0, 0, 760, 560, SWP_NOMOVE | SWP_NOACTIVATE);
  const auto message = [&] { return EngineText(window, ids::IDC_ENGINE_MESSAGE); };
  ASSERT_TRUE(bench::PollUntil([&] { return message().starts_with("Wetterkarte nicht gespeichert: Der Ordner „" +
                                                                  bench::WideToUtf8(charts) + "“ lässt sich nicht "
                                                                  "anlegen: "); }, bench::milliseconds{60000}))
      << message();
  std::filesystem::remove(charts);
  const auto received = [&] {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(charts))
      for (const auto& entry : std::filesystem::directory_iterator(charts)) files.push_back(entry.path());
    return files;
  };
  ASSERT_TRUE(bench::PollUntil([&] { return received().size() >= 2; }, bench::milliseconds{60000}))
      << message() << "; the chart kept and the next one";
  const std::string name = bench::WideToUtf8(received().front().filename().wstring());
  EXPECT_TRUE(std::regex_match(name, std::regex("20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9][0-5][0-9] UTC .+ "
                                                "\\(7880 kHz\\)\\.png")))
      << name;
  const auto chart = zorbel::decoder::ReadPngFile(received().front());
  EXPECT_EQ(mode.ElementsPerLine(), chart.width);
  EXPECT_NEAR(80, chart.height, 2) << "lines of the chart sent";
  EXPECT_TRUE(bench::PollUntil([&] { return message().starts_with("Wetterkarte gespeichert: „"); }, kBound)) << message();
  EXPECT_TRUE(EngineText(window, ids::IDC_ENGINE_MODE).starts_with("Wetterfax · 120 U/min · IOC 576 · Hub ±400 Hz · "
                                                                   "7880 kHz · "))
      << EngineText(window, ids::IDC_ENGINE_MODE);
  EXPECT_TRUE(IsWindowVisible(bench::Control(window, ids::IDC_ENGINE_CHART)) &&
              !IsWindowVisible(bench::Control(window, ids::IDC_ENGINE_TEXT)));
  // The mouse away, so that no tooltip covers the chart.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  EXPECT_TRUE(bench::PollUntil([&] { return bench::NothingLeftToPaint(bench::Control(window, ids::IDC_ENGINE_CHART)); },
                               kBound));
  EXPECT_EQ("", SaveScreenshot(window, L"engine-fax.png"));

  PostMessageW(window, WM_COMMAND, ids::IDM_ENGINE_MODE_FOUND, 0);
  PostMessageW(window, WM_SYSKEYDOWN, VK_F4, LPARAM{KF_ALTDOWN} << 16 | 1);
  if (WaitForSingleObject(engine.process.get(), static_cast<DWORD>(kBound.count())) != WAIT_OBJECT_0) {
    TerminateProcess(engine.process.get(), 1);
    ADD_FAILURE() << "the engine did not end";
  }
}

}  // namespace
