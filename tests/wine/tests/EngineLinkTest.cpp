// The link to the engine as the stand-in sees it: the shared block, the
// command line and handshake, docking and hiding its window, and the
// commands at the program's end.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "../common/UniqueWin32.h"
#include "EngineSuite.h"
#include "MessageBoxes.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

namespace {

constexpr std::size_t kSharedBlockBytes = 20672;

std::string UpperHex(std::uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
  return text;
}

// The bytes the engine expects: three blank-padded texts, two numbers.
std::vector<unsigned char> ExpectedSharedBlock() {
  std::vector<unsigned char> block(kSharedBlockBytes, 0);
  const auto text = [&](std::size_t offset, std::size_t width, const char* value) {
    std::memset(block.data() + offset, ' ', width);
    std::memcpy(block.data() + offset, value, std::strlen(value) + 1);
  };
  text(4, 128, "MMTTY Engine");
  text(132, 16, "NONE");
  text(12464, 16, "NONE");
  block[148] = 1;
  return block;
}

std::string Command(int code, std::int64_t value) {
  return "command " + std::to_string(code) + " " + std::to_string(value);
}

// The two lines follow each other in the log at or after `from`.
::testing::AssertionResult HasPair(const std::vector<std::string>& log, std::size_t from, const std::string& first,
                                   const std::string& second) {
  for (std::size_t i = from; i + 1 < log.size(); ++i)
    if (log[i] == first && log[i + 1] == second) return ::testing::AssertionSuccess();
  std::string text;
  for (const auto& line : log) text += line + "\n";
  return ::testing::AssertionFailure() << "no \"" << first << "\" directly followed by \"" << second
                                       << "\" in the log:\n" << text;
}

class EngineLink : public EngineSuite {
 protected:
  static void SetUpTestSuite() { StartWithStandIn(L""); }
};

TEST_F(EngineLink, SharedBlockHoldsWhatTheEngineReads) {
  ASSERT_TRUE(Log().WaitForLine("block MMTTY Engine", kEngineBound)) << Log().Text();
  const bench::UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, "MMTTY"));
  ASSERT_TRUE(mapping) << "no mapping \"MMTTY\" while zorbel runs";
  const bench::UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
  ASSERT_TRUE(view);
  MEMORY_BASIC_INFORMATION region{};
  VirtualQuery(view.get(), &region, sizeof region);
  ASSERT_GE(region.RegionSize, kSharedBlockBytes);
  const auto* bytes = static_cast<const unsigned char*>(view.get());
  const auto expected = ExpectedSharedBlock();
  int wrong = 0;
  for (std::size_t offset = 0; offset < kSharedBlockBytes && wrong < 10; ++offset) {
    if (bytes[offset] != expected[offset]) {
      ADD_FAILURE() << "byte " << offset << " is " << int{bytes[offset]} << ", expected " << int{expected[offset]};
      ++wrong;
    }
  }
}

TEST_F(EngineLink, EngineStartsWithTheMainWindowAndGetsTheHandshake) {
  const auto handle = reinterpret_cast<std::uintptr_t>(MainWindow());
  ASSERT_TRUE(Log().WaitForLine(Command(0, static_cast<std::int32_t>(handle)), kEngineBound)) << Log().Text();
  EXPECT_EQ("-r -h" + UpperHex(handle) + "\r\n", bench::ReadFileBytes(InWorkingFolder(bench::kEngineArgumentsName)));
  EXPECT_TRUE(Log().Contains("start main " + UpperHex(handle))) << Log().Text();
}

TEST_F(EngineLink, CaptionAndStatusTellTheEngineIsLinked) {
  EXPECT_EQ("ZORBEL   V1.1.4  Wetterbericht", bench::WideToUtf8(bench::WindowText(MainWindow())));
  EXPECT_EQ("Status: Bereit", PanelText(0));
}

TEST_F(EngineLink, EngineUnsichtbarHidesAndShowsTheEngineWindow) {
  ASSERT_FALSE(EngineHiddenChecked());
  for (const auto& [value, checked] : {std::pair{0, true}, std::pair{1, false}}) {
    const std::size_t from = LogSize();
    bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
    EXPECT_TRUE(Log().WaitForLine(Command(16, value), kEngineBound, from)) << Log().Text();
    EXPECT_EQ(checked, EngineHiddenChecked());
  }
}

TEST_F(EngineLink, ResizeInNormalStateDocksTheEngineWindowUnderneath) {
  const std::size_t from = LogSize();
  constexpr int kLeft = 40, kTop = 30, kWidth = 900, kHeight = 600;
  SetWindowPos(MainWindow(), nullptr, kLeft, kTop, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  ASSERT_TRUE(Log().WaitForLine(Command(6, kWidth), kEngineBound, from)) << Log().Text();
  RECT outer{};
  GetWindowRect(MainWindow(), &outer);
  ASSERT_EQ(kLeft, outer.left);
  ASSERT_EQ(kTop + kHeight, outer.bottom);
  ASSERT_TRUE(Log().WaitForLine(Command(5, std::int64_t{outer.bottom} * 65536 + outer.left), kEngineBound, from));
  EXPECT_TRUE(HasPair(Log().Lines(), from, Command(6, kWidth), Command(5, std::int64_t{outer.bottom} * 65536 + outer.left)));
}

TEST_F(EngineLink, MaximisingHidesTheEngineWindow) {
  const std::size_t from = LogSize();
  ShowWindowAsync(MainWindow(), SW_MAXIMIZE);
  EXPECT_TRUE(Log().WaitForLine(Command(16, 0), kEngineBound, from)) << Log().Text();
  EXPECT_TRUE(EngineHiddenChecked());
}

// Last of the group: zorbel ends here. The exit may ask first whether to end.
TEST_F(EngineLink, ClosingSendsReleaseThenEndToTheEngine) {
  const std::size_t from = LogSize();
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  const auto ended = [&] { return Log().WaitForLine("end", bench::milliseconds{0}, from).has_value(); };
  const auto asked = [&] { return !bench::VisibleDialogsOf(Zorbel().processId()).empty(); };
  ASSERT_TRUE(bench::PollUntil([&] { return ended() || asked(); }, kEngineBound)) << Log().Text();
  if (!ended()) {
    const auto question = bench::ReadMessageBox(bench::VisibleDialogsOf(Zorbel().processId()).front());
    ASSERT_EQ("Programmende", bench::WideToUtf8(question.title));
    bench::AnswerMessageBox(question, L"Ja");
  }
  ASSERT_TRUE(Log().WaitForLine("end", kEngineBound, from)) << Log().Text();
  EXPECT_TRUE(HasPair(Log().Lines(), from, Command(22, 1), Command(2, 0)));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(Zorbel().process(), static_cast<DWORD>(kEngineBound.count())))
      << "zorbel.exe did not end";
}

}  // namespace
