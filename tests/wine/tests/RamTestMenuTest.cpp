// "&RAM-Test": a report of physical memory in a message box (after a
// warning when little is free) and the load in status panel 3.
#include <cstdlib>
#include <regex>

#include "LocaleTexts.h"
#include "MemoryLoad.h"
#include "MessageBoxes.h"
#include "Poll.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;

constexpr bench::milliseconds kBoxBound{5000};
constexpr unsigned kShortBelowFreePercent = 10;

// Kilobytes as a number format rounds a division result.
std::uint64_t KiloBytes(std::uint64_t bytes) { return (bytes + 512) / 1024; }

using RamTestMenu = ZorbelSuite;

TEST_F(RamTestMenu, ReportsMemoryAndShowsTheLoad) {
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  GlobalMemoryStatusEx(&memory);
  bench::ChooseMenuItem(MainWindow(), IDM_RAMTEST);

  auto box = bench::WaitForMessageBox(Zorbel().processId(), kBoxBound);
  ASSERT_TRUE(box) << "no message box within 5 s";
  // Memory this short is rare on a test machine, but then the warning comes first.
  if (100 - memory.dwMemoryLoad < kShortBelowFreePercent && WideToUtf8(box->title) == "Warnung") {
    EXPECT_TRUE(WideToUtf8(box->text).starts_with("Verfügbarer Ramspeicher: ")) << WideToUtf8(box->text);
    bench::AnswerMessageBox(*box, L"OK");
    box = bench::WaitForMessageBox(Zorbel().processId(), kBoxBound);
    ASSERT_TRUE(box) << "no report after the warning";
  }
  EXPECT_EQ("RAM - Speicher", WideToUtf8(box->title));
  EXPECT_EQ("information", WideToUtf8(ProbeOfZorbel().Ask(probe::ProbeRequest::NameMessageBoxIcon)));

  const std::wstring total = bench::GroupedThousands(KiloBytes(memory.ullTotalPhys));
  const std::string text = WideToUtf8(box->text);
  const std::regex shape(" Ram-Speicher: (.+) KByte     Frei: (.+) KByte     Speicherauslastung: ([0-9]+) %");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(text, match, shape)) << "report \"" << text << "\"";
  EXPECT_EQ(WideToUtf8(total), match[1].str());
  // Free memory moves: grouped like the total and near our own reading.
  std::string freeDigits = match[2].str();
  std::erase_if(freeDigits, [](char c) { return c < '0' || c > '9'; });
  ASSERT_FALSE(freeDigits.empty()) << "free figure \"" << match[2].str() << "\"";
  const std::uint64_t shownFree = std::stoull(freeDigits);
  EXPECT_EQ(WideToUtf8(bench::GroupedThousands(shownFree)), match[2].str());
  const auto ourFree = static_cast<std::int64_t>(KiloBytes(memory.ullAvailPhys));
  const auto tolerance = static_cast<std::int64_t>(KiloBytes(memory.ullTotalPhys) * kMemoryLoadTolerance / 100);
  EXPECT_LE(std::llabs(static_cast<std::int64_t>(shownFree) - ourFree), tolerance)
      << "shown free " << shownFree << " KByte, ours " << ourFree << " KByte";
  const std::string load = match[3].str();
  EXPECT_TRUE(IsMemoryLoadPanel("Speicherauslastung: " + load + " %")) << "the report's load";

  bench::AnswerMessageBox(*box, L"OK");
  WaitUntilHandled();
  EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty())
      << WideToUtf8(bench::DescribeMessageBoxes(Zorbel().processId()));
  EXPECT_EQ("Speicherauslastung: " + load + " %", PanelText(2)) << "panel 3 shows the load of the report";
}

}  // namespace
