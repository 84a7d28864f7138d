// "&RAM-Test": hides the engine window first, then reports physical memory
// in a message box (after a warning when little is free) and shows the load
// in status panel 3.
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

MEMORYSTATUSEX PhysicalMemory() {
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  GlobalMemoryStatusEx(&memory);
  return memory;
}

class RamTestMenu : public ZorbelSuite {
 protected:
  static std::optional<bench::MessageBoxContent> NextBox() {
    return bench::WaitForMessageBox(Zorbel().processId(), kBoxBound);
  }

  static std::string IconOfBox() { return WideToUtf8(ProbeOfZorbel().Ask(probe::ProbeRequest::NameMessageBoxIcon)); }

  // Checks the report `box` against our own reading of memory, answers it
  // (and a warning before it) and returns the load it names.
  static std::string CheckAndAnswerReport(std::optional<bench::MessageBoxContent> box, const MEMORYSTATUSEX& memory) {
    if (!box) {
      ADD_FAILURE() << "no message box within 5 s";
      return {};
    }
    // Memory this short is rare on a test machine, but then the warning comes first.
    if (100 - memory.dwMemoryLoad < kShortBelowFreePercent && WideToUtf8(box->title) == "Warnung") {
      EXPECT_TRUE(WideToUtf8(box->text).starts_with("Verfügbarer Ramspeicher: ")) << WideToUtf8(box->text);
      bench::AnswerMessageBox(*box, L"OK");
      box = NextBox();
      if (!box) {
        ADD_FAILURE() << "no report after the warning";
        return {};
      }
    }
    EXPECT_EQ("RAM - Speicher", WideToUtf8(box->title));
    EXPECT_EQ("information", IconOfBox());

    const std::string text = WideToUtf8(box->text);
    const std::regex shape(" Ram-Speicher: (.+) KByte     Frei: (.+) KByte     Speicherauslastung: ([0-9]+) %");
    std::smatch match;
    if (!std::regex_match(text, match, shape)) {
      ADD_FAILURE() << "report \"" << text << "\"";
      bench::AnswerMessageBox(*box, L"OK");
      return {};
    }
    EXPECT_EQ(WideToUtf8(bench::GroupedThousands(KiloBytes(memory.ullTotalPhys))), match[1].str());
    // Free memory moves: grouped like the total and near our own reading.
    std::string freeDigits = match[2].str();
    std::erase_if(freeDigits, [](char c) { return c < '0' || c > '9'; });
    if (!freeDigits.empty()) {
      const std::uint64_t shownFree = std::stoull(freeDigits);
      EXPECT_EQ(WideToUtf8(bench::GroupedThousands(shownFree)), match[2].str());
      const auto ourFree = static_cast<std::int64_t>(KiloBytes(memory.ullAvailPhys));
      const auto tolerance = static_cast<std::int64_t>(KiloBytes(memory.ullTotalPhys) * kMemoryLoadTolerance / 100);
      EXPECT_LE(std::llabs(static_cast<std::int64_t>(shownFree) - ourFree), tolerance)
          << "shown free " << shownFree << " KByte, ours " << ourFree << " KByte";
    } else {
      ADD_FAILURE() << "free figure \"" << match[2].str() << "\"";
    }
    const std::string load = match[3].str();
    EXPECT_TRUE(IsMemoryLoadPanel("Speicherauslastung: " + load + " %")) << "the report's load";
    bench::AnswerMessageBox(*box, L"OK");
    return load;
  }

  static void ExpectNoBoxAndLoadInPanel(const std::string& load) {
    WaitUntilHandled();
    EXPECT_TRUE(bench::VisibleDialogsOf(Zorbel().processId()).empty())
        << WideToUtf8(bench::DescribeMessageBoxes(Zorbel().processId()));
    EXPECT_EQ("Speicherauslastung: " + load + " %", PanelText(2)) << "panel 3 shows the load of the report";
  }
};

// The bench runs zorbel without an engine, so hiding the engine window
// fails with its own message; the check mark is set all the same, and a
// second RAM test goes straight to the report.
TEST_F(RamTestMenu, HidesTheEngineWindowFirstThenReports) {
  auto memory = PhysicalMemory();
  bench::ChooseMenuItem(MainWindow(), IDM_RAMTEST);
  const auto failure = NextBox();
  ASSERT_TRUE(failure) << "no message box within 5 s";
  EXPECT_EQ("Fehler", WideToUtf8(failure->title));
  EXPECT_EQ("Es konnte keine Verbindung zum MMTTY-Engine hergestellt werden!", WideToUtf8(failure->text));
  EXPECT_EQ("exclamation", IconOfBox());
  if (WideToUtf8(failure->title) != "Fehler") return;  // a report here is checked no further
  bench::AnswerMessageBox(*failure, L"OK");
  std::string load = CheckAndAnswerReport(NextBox(), memory);
  ExpectNoBoxAndLoadInPanel(load);
  EXPECT_TRUE(bench::FindMenuItem(ReadMenu(), IDM_ENGINEAUS)->checked) << "\"Engine &unsichtbar\" not checked";

  memory = PhysicalMemory();
  bench::ChooseMenuItem(MainWindow(), IDM_RAMTEST);
  load = CheckAndAnswerReport(NextBox(), memory);
  ExpectNoBoxAndLoadInPanel(load);
}

}  // namespace
