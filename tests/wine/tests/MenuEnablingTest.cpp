// Opening "&Datei" and "&Format" enables the entries that need text in the
// Rx window exactly when it holds some.
#include "MenuTree.h"
#include "TextConversion.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

constexpr int kDateiPopup = 0;
constexpr int kFormatPopup = 1;

class MenuEnabling : public ZorbelSuite {
 protected:
  void SetRxText(const wchar_t* text) {
    bench::SendBounded(ControlOfMain(IDC_RICHTEXTBOX1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }

  std::vector<bench::MenuItem> OpenPopup(int index) {
    return bench::ParseMenuDump(ProbeOfZorbel().Ask(probe::ProbeRequest::OpenPopupAndDumpMenu, index));
  }

  static ::testing::AssertionResult HasState(const std::vector<bench::MenuItem>& menu, UINT id, bool enabled) {
    const bench::MenuItem* item = bench::FindMenuItem(menu, id);
    if (!item) return ::testing::AssertionFailure() << "no menu entry with ID " << id;
    if (item->Enabled() == enabled) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << bench::WideToUtf8(item->caption) << "\" is "
                                         << (item->Enabled() ? "enabled" : "disabled");
  }
};

TEST_F(MenuEnabling, EmptyRxWindowLeavesOnlyOpenAndExitInDatei) {
  SetRxText(L"");
  const auto menu = OpenPopup(kDateiPopup);
  for (UINT id : {IDM_SAVE, IDM_SUCHEN, IDM_SUCHWEITER, IDM_PRINT}) EXPECT_TRUE(HasState(menu, id, false));
  for (UINT id : {IDM_OPEN, IDM_EXIT}) EXPECT_TRUE(HasState(menu, id, true));
}

TEST_F(MenuEnabling, EmptyRxWindowDisablesClearingInFormat) {
  SetRxText(L"");
  EXPECT_TRUE(HasState(OpenPopup(kFormatPopup), IDM_RXKILL, false));
}

TEST_F(MenuEnabling, TextInRxWindowEnablesEverything) {
  SetRxText(L"ZCZC 123\r\nNNNN\r\n");
  const auto datei = OpenPopup(kDateiPopup);
  for (UINT id : {IDM_OPEN, IDM_SAVE, IDM_SUCHEN, IDM_SUCHWEITER, IDM_PRINT, IDM_EXIT})
    EXPECT_TRUE(HasState(datei, id, true));
  EXPECT_TRUE(HasState(OpenPopup(kFormatPopup), IDM_RXKILL, true));
}

}  // namespace
