// The package unpacked into an empty folder (tests/wine/package): the
// packaged zorbel.exe starts beside the stand-in engine with its help page,
// and says so when the page is gone; the packaged engine starts by hand.
#include <filesystem>
#include <set>

#include "BenchConfig.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

class Package : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() { StartWithStandIn(L""); }
};

TEST_F(Package, StartsBesideTheEngineAndFindsItsHelpPage) {
  const std::filesystem::path folder = std::filesystem::path(bench::Config().zorbelExe).parent_path();
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  std::string unpacked;
  for (const auto& name : names) unpacked += name + ' ';
  EXPECT_EQ("LIESMICH.txt zorbel-engine.exe zorbel-hilfe.html zorbel.exe ", unpacked);
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  const std::string caption = bench::WideToUtf8(bench::WindowText(MainWindow()));
  EXPECT_NE("ZORBEL   V1.1.4", caption) << "linked to the engine, the caption changes";

  // Without its page, help says so in a box titled with the main window's caption.
  std::filesystem::remove(folder / "zorbel-hilfe.html");
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

// Started by hand, without zorbel, our engine stands on its own, keeps its
// least size and ends on Alt+F4.
TEST_F(Package, PackagedEngineStartsAndEnds) {
  const auto engine = bench::StartProgram(
      (std::filesystem::path(bench::Config().zorbelExe).parent_path() / "zorbel-engine.exe").wstring());
  const HWND window = bench::WaitForTopWindow(engine.id, L"ZorbelEngineWindow", kBound);
  EXPECT_TRUE(window) << "no engine window";
  if (window) {
    SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    const SIZE least = bench::OuterSize(window);
    EXPECT_TRUE(least.cx == 460 && least.cy == 260) << least.cx << " x " << least.cy;
    PostMessageW(window, WM_SYSKEYDOWN, VK_F4, LPARAM{KF_ALTDOWN} << 16 | 1);
  }
  if (WaitForSingleObject(engine.process.get(), static_cast<DWORD>(kBound.count())) != WAIT_OBJECT_0) {
    TerminateProcess(engine.process.get(), 1);
    ADD_FAILURE() << "the engine did not end";
  }
}

}  // namespace
