// Every 8-bit code the engine can send reaches the Rx window as its ANSI
// character, a NUL included: it must neither end the line nor swallow what
// follows it.
#include <windows.h>

#include <string>

#include "EngineSuite.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "resource.h"

namespace {

constexpr bench::milliseconds kFeedBound{30000};

// Line feed and carriage return end lines; every other code stands once,
// NUL between two letters so that a cut would show.
std::string AllCodesLine() {
  std::string line = "A";
  line.push_back('\0');
  line += "B";
  for (int code = 1; code < 256; ++code)
    if (code != '\n' && code != '\r') line.push_back(static_cast<char>(code));
  return line;
}

// What the window should show: each byte in the ANSI code page, NUL as its
// visible symbol.
std::wstring Shown(const std::string& bytes) {
  std::wstring shown;
  for (const char byte : bytes) {
    wchar_t wide = L'\x2400';
    if (byte != '\0') MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1);
    shown.push_back(wide);
  }
  return shown;
}

class ReceptionAllCodes : public EngineSuite {
 protected:
  static void SetUpTestSuite() {
    StartWithStandIn(L"--fast --feed-on-request --feed \"%~dp0feed.txt\"",
                     {{L"feed.txt", AllCodesLine() + "\nZ\n"}});
  }
};

TEST_F(ReceptionAllCodes, EveryCodeArrivesOnceAndInOrder) {
  bench::ClickButton(ControlOfMain(IDC_COMMAND2));
  ASSERT_TRUE(bench::PollUntil([] { return ControlText(IDC_COMMAND2) == "&Stop"; }, kEngineBound));
  ASSERT_TRUE(bench::RequestStandInFeed());
  ASSERT_TRUE(Log().WaitForPrefix("feed done", kFeedBound)) << Log().Text();
  WaitUntilHandled();

  const auto lines = RxTextLines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(bench::WideToUtf8(Shown(AllCodesLine())), lines[1]);
  EXPECT_EQ("Z", lines[2]);
}

}  // namespace
