// The memory report, its warning and status panel 3.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "config/MemoryDisplay.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using Shown = fakes::FakeDialogs::Shown;

TEST(MemoryDisplayTest, WarningWhenLessThanATenthIsFreeThenTheReportThenPanelThreeInGroupedKiloBytes) {
    constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;
    struct Case {
        std::uint32_t loadPercent;
        std::uint64_t total, available;
        bool quiet;
        std::vector<Shown> boxes;
    };
    const auto report = [](const std::string& figures) {
        return Shown{"information", " Ram-Speicher: " + figures, "RAM - Speicher", ""};
    };
    const std::vector<Case> cases{
        {90, kGiB, kGiB / 10, false,
         {report("1.048.576 KByte     Frei: 104.858 KByte     Speicherauslastung: 90 %")}},
        {91, kGiB, kGiB / 10, false,
         {{"exclamation", "Verfügbarer Ramspeicher: 9 %", "Warnung", ""},
          report("1.048.576 KByte     Frei: 104.858 KByte     Speicherauslastung: 91 %")}},
        {99, kGiB, kGiB / 10, true, {}},
        // Figures above 4 GiB are reported in full.
        {0, 16 * kGiB, 5 * kGiB, false,
         {report("16.777.216 KByte     Frei: 5.242.880 KByte     Speicherauslastung: 0 %")}},
    };
    for (const Case& expected : cases) {
        fakes::FakeMemoryStatus memoryStatus;
        memoryStatus.figures.loadPercent = expected.loadPercent;
        memoryStatus.figures.totalPhysical = expected.total;
        memoryStatus.figures.availablePhysical = expected.available;
        fakes::FakeGermanLocale locale;
        fakes::FakeStatusPanels panels;
        fakes::FakeDialogs dialogs;
        MemoryDisplay{memoryStatus, locale, panels, dialogs}.Show(expected.quiet);

        const std::string load = std::to_string(expected.loadPercent);
        EXPECT_EQ(dialogs.shown, expected.boxes) << load << " %";
        EXPECT_EQ(panels.texts, (std::map<platform::Panel, std::string>{
                                    {platform::Panel::Memory, "Speicherauslastung: " + load + " %"}}));
    }
    EXPECT_EQ(KiloBytesText(0, "."), "0 KByte");
    EXPECT_EQ(KiloBytesText(999 * 1024, "."), "999 KByte");
    EXPECT_EQ(KiloBytesText(1000 * 1024, "'"), "1'000 KByte");
    EXPECT_EQ(KiloBytesText(1536, "."), "2 KByte") << "halves round up";
}

}  // namespace
}  // namespace zorbel
