// The package unpacked into an empty folder (tests/wine/package): the
// packaged zorbel.exe starts beside the stand-in engine with its help page,
// and says so when the page is gone.
#include <filesystem>

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
  std::string unpacked;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) unpacked += entry.path().filename().string() + ' ';
  EXPECT_EQ("LIESMICH.txt zorbel-hilfe.html zorbel.exe ", unpacked);
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

}  // namespace
