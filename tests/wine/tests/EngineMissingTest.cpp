// Without mmtty.exe or mmtty.bat in the working folder: the status says so,
// the caption stays, and engine commands report the missing connection.
#include "EngineSuite.h"
#include "MessageBoxes.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

using EngineMissing = EngineSuite;

TEST_F(EngineMissing, StatusSaysNotFoundAndCaptionStays) {
  EXPECT_EQ("Status: MMTTY nicht gefunden!", PanelText(0));
  EXPECT_EQ("ZORBEL   V1.1.4", bench::WideToUtf8(bench::WindowText(MainWindow())));
}

TEST_F(EngineMissing, NotchFilterReportsNoConnection) {
  bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
  const auto box = bench::WaitForMessageBox(Zorbel().processId(), kEngineBound);
  ASSERT_TRUE(box) << "no message";
  EXPECT_EQ("Fehler", bench::WideToUtf8(box->title));
  EXPECT_EQ("Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!", bench::WideToUtf8(box->text));
  bench::AnswerMessageBox(*box, L"OK");
}

}  // namespace
