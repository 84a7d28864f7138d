// The memory report, its warning and status panel 3.

#include <gtest/gtest.h>

#include "config/MemoryDisplay.h"
#include "fakes/FakeClockAndLocale.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeMemoryStatus.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

class MemoryDisplayTest : public ::testing::Test {
protected:
    MemoryDisplayTest() {
        memoryStatus.figures.totalPhysical = kGiB;
        memoryStatus.figures.availablePhysical = kGiB / 10;
    }

    fakes::FakeMemoryStatus memoryStatus;
    fakes::FakeGermanLocale locale;
    fakes::FakeStatusPanels panels;
    fakes::FakeDialogs dialogs;
    MemoryDisplay display{memoryStatus, locale, panels, dialogs};
};

TEST_F(MemoryDisplayTest, NinetyPercentIsNotShort) {
    memoryStatus.figures.loadPercent = 90;
    display.Show(false);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "information");
    EXPECT_EQ(dialogs.shown[0].title, "RAM - Speicher");
    EXPECT_EQ(dialogs.shown[0].prompt,
              " Ram-Speicher: 1.048.576 KByte     Frei: 104.858 KByte     Speicherauslastung: 90 %");
    EXPECT_EQ(panels.Text(platform::Panel::Memory), "Speicherauslastung: 90 %");
}

TEST_F(MemoryDisplayTest, NinetyOnePercentWarnsFirst) {
    memoryStatus.figures.loadPercent = 91;
    display.Show(false);

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, "exclamation");
    EXPECT_EQ(dialogs.shown[0].title, "Warnung");
    EXPECT_EQ(dialogs.shown[0].prompt, "Verfügbarer Ramspeicher: 9 %");
    EXPECT_EQ(dialogs.shown[1].title, "RAM - Speicher");
}

TEST_F(MemoryDisplayTest, QuietFormOnlyWritesPanelThree) {
    memoryStatus.figures.loadPercent = 99;
    display.Show(true);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(panels.texts.size(), 1u);
    EXPECT_EQ(panels.Text(platform::Panel::Memory), "Speicherauslastung: 99 %");
}

TEST_F(MemoryDisplayTest, FiguresAboveFourGigabytesAreReportedInFull) {
    memoryStatus.figures.totalPhysical = 16 * kGiB;
    memoryStatus.figures.availablePhysical = 5 * kGiB;
    display.Show(false);

    EXPECT_EQ(dialogs.shown.back().prompt,
              " Ram-Speicher: 16.777.216 KByte     Frei: 5.242.880 KByte     Speicherauslastung: 0 %");
}

TEST(KiloBytesTextTest, GroupsThousandsAndShowsAtLeastOneDigit) {
    EXPECT_EQ(KiloBytesText(0, "."), "0 KByte");
    EXPECT_EQ(KiloBytesText(999 * 1024, "."), "999 KByte");
    EXPECT_EQ(KiloBytesText(1000 * 1024, "'"), "1'000 KByte");
    EXPECT_EQ(KiloBytesText(1536, "."), "2 KByte") << "halves round up";
}

}  // namespace
}  // namespace zorbel
