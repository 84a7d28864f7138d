// Editing the word lists by keys in their edit fields: Enter appends the
// edit text as the last entry, Delete removes the selected entry.
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;
using Words = std::vector<std::string>;

class WordListKeys : public ZorbelSuite {
 protected:
  static Words Entries(HWND combo) {
    WaitUntilHandled();  // the keys were posted
    Words entries;
    for (const auto& entry : bench::ComboItems(combo)) entries.push_back(WideToUtf8(entry));
    return entries;
  }

  static void TypeAndPressEnter(HWND combo, const wchar_t* text) {
    const HWND edit = bench::ComboEdit(combo);
    bench::SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    bench::PressKey(edit, VK_RETURN);
  }

  static void SelectAndPressDelete(HWND combo, int index) {
    bench::SendBounded(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    bench::PressKey(bench::ComboEdit(combo), VK_DELETE);
  }
};

TEST_F(WordListKeys, EnterAppendsAndDeleteRemovesTheSelectedEntry) {
  for (const int id : {IDC_COMBO1, IDC_COMBO2}) {
    SCOPED_TRACE(id == IDC_COMBO1 ? "start words" : "stop words");
    const HWND combo = ControlOfMain(id);
    Words expected = Entries(combo);
    ASSERT_FALSE(expected.empty()) << "a first run fills both lists";

    TypeAndPressEnter(combo, L"QRV");
    expected.push_back("QRV");
    EXPECT_EQ(expected, Entries(combo)) << "Enter appends the edit text";

    TypeAndPressEnter(combo, L"QRV");
    expected.push_back("QRV");
    EXPECT_EQ(expected, Entries(combo)) << "a duplicate is appended as well";

    TypeAndPressEnter(combo, L"");
    expected.push_back("");
    EXPECT_EQ(expected, Entries(combo)) << "so is an empty text";

    SelectAndPressDelete(combo, 0);
    expected.erase(expected.begin());
    EXPECT_EQ(expected, Entries(combo)) << "Delete removes the selected entry";

    SelectAndPressDelete(combo, -1);
    EXPECT_EQ(expected, Entries(combo)) << "Delete without a selection removes nothing";
  }
}

}  // namespace
