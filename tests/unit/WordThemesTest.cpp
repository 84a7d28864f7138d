// The word themes: restoring one at start-up, the check-mark transitions of
// the theme menu, and the reset lists.

#include <gtest/gtest.h>

#include "config/ListText.h"
#include "config/WordThemes.h"
#include "fakes/FakeThemeControls.h"
#include "fakes/FakeWordListView.h"
#include "fakes/FakeSettingsStore.h"

namespace zorbel {
namespace {

using platform::MenuEntry;
using Marks = std::vector<MenuEntry>;

constexpr std::string_view kOstseeList = "FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,";

class WordThemesTest : public ::testing::Test {
protected:
    std::string StartList() const { return FormatListText(lists.StartWords()); }
    std::string StopList() const { return FormatListText(lists.StopWords()); }
    void ClickSeaArea(MenuEntry entry) {
        for (const auto& preset : values::kThemePresets)
            if (preset.menu == entry) themes.SeaArea_Click(preset.menu, preset.theme, preset.menuStartList);
    }

    fakes::FakeThemeControls controls;
    fakes::FakeMenuChecks checks;
    fakes::FakeWordListView view;
    WordLists lists{view};
    fakes::FakeSettingsStore store;
    CaptureSettings settings;
    WordThemes themes{controls, checks, lists, store, settings};
};

TEST_F(WordThemesTest, FirstRunStartsWithOstseeAndItsStartUpLists) {
    themes.LoadAtStartUp();

    EXPECT_EQ(themes.Theme(), "Ostsee");
    EXPECT_EQ(controls.themeLabel, "Ostsee");
    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::WetterOstsee});
    EXPECT_EQ(settings.category, "Wetter");
    EXPECT_FALSE(settings.noStartWort);
    EXPECT_FALSE(settings.noStopWort);
    EXPECT_TRUE(view.Start().enabled);
    EXPECT_EQ(StartList(), kOstseeList);
    EXPECT_EQ(StopList(), "NNNN,RYRYRY,ZCZC,");
    EXPECT_EQ(controls.title, "") << "the weather title of the window's load stays";
}

TEST_F(WordThemesTest, StoredListsWinUnlessEmpty) {
    store.values = {{L"StartWortTema", L"Atlantik"}, {L"StartWortAtlantik", L""}, {L"StopWortAtlantik", L"ENDE,"}};
    themes.LoadAtStartUp();

    EXPECT_EQ(StartList(), "FQNT,FQEW,NOXX,WWXX,NODL,") << "the start-up list, without SSVX";
    EXPECT_EQ(StopList(), "ENDE,");

    themes.SeaArea_Click(MenuEntry::WetterNordsee, "Nordsee", "N1,");
    EXPECT_EQ(StartList(), "N1,") << "the menu list on a store without Nordsee lists";
}

TEST_F(WordThemesTest, StartUpRestoresAFuAndUnknownThemes) {
    store.values = {{L"StartWortTema", L"AFu"}};
    themes.LoadAtStartUp();
    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::AFu});
    EXPECT_EQ(settings.category, "AFu");
    EXPECT_EQ(controls.title, "ZORBEL  V1.1.4  RTTY-Mailbox");
    EXPECT_EQ(StartList(), "CQ,Call..,");
    EXPECT_EQ(StopList(), "73,");

    store.values = {{L"StartWortTema", L"Funk"}, {L"NoStartWort", L"True"}, {L"NoStopWort", L"Wahr"}};
    themes.LoadAtStartUp();
    EXPECT_TRUE(checks.checks[MenuEntry::Alles]);
    EXPECT_EQ(settings.category, "alles");
    EXPECT_EQ(controls.title, "ZORBEL  V1.1.4  allgemeiner Fernschreibempfang");
    EXPECT_EQ(controls.themeLabel, "Funk");
    EXPECT_EQ(StartList(), "FQEN,WODL,FEBQ,NOXX,SXEN,WWXX,NODL,WOEN,WOBQ,");
    EXPECT_TRUE(settings.noStartWort);
    EXPECT_TRUE(settings.noStopWort);
    EXPECT_FALSE(view.Start().enabled);
}

TEST_F(WordThemesTest, ChosenAreaTwiceEndsInGeneralReception) {
    themes.LoadAtStartUp();
    ClickSeaArea(MenuEntry::WetterOstsee);

    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::Alles});
    EXPECT_EQ(themes.Theme(), "alles");
    EXPECT_EQ(controls.themeLabel, "alles");
    EXPECT_EQ(settings.category, "alles");
    EXPECT_TRUE(settings.noStartWort);
    EXPECT_TRUE(settings.noStopWort);
    EXPECT_FALSE(view.Start().enabled);
    EXPECT_FALSE(view.Stop().enabled);
    EXPECT_EQ(controls.title, "ZORBEL  V1.1.4  allgemeiner Fernschreibempfang");
    EXPECT_EQ(StartList(), kOstseeList) << "the lists keep their entries";
}

TEST_F(WordThemesTest, GeneralReceptionTwiceGivesAFuListsInCategoryAlles) {
    themes.LoadAtStartUp();
    themes.mnuAlles_Click();
    themes.mnuAlles_Click();

    EXPECT_EQ(checks.Checked(), Marks{});
    EXPECT_EQ(themes.Theme(), "AFu");
    EXPECT_EQ(settings.category, "alles");
    EXPECT_FALSE(settings.noStartWort);
    EXPECT_TRUE(view.Start().enabled);
    EXPECT_EQ(controls.title, "ZORBEL  V1.1.4  RTTY-Mailbox");
    EXPECT_EQ(StartList(), "CQ,Call..,");
    EXPECT_EQ(StopList(), "73,");
}

TEST_F(WordThemesTest, AFuFromAnAreaAndBack) {
    themes.LoadAtStartUp();
    themes.mnuAFu_Click();
    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::AFu});
    EXPECT_EQ(settings.category, "AFu");
    EXPECT_EQ(StartList(), "CQ,Call..,");

    themes.mnuAFu_Click();
    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::Alles});
    EXPECT_EQ(themes.Theme(), "alles");
}

TEST_F(WordThemesTest, AreaFromGeneralReceptionCarriesOnlyItsOwnMark) {
    themes.LoadAtStartUp();
    themes.mnuAlles_Click();
    ClickSeaArea(MenuEntry::WetterMittelmeer);

    EXPECT_EQ(checks.Checked(), Marks{MenuEntry::WetterMittelmeer});
    EXPECT_EQ(themes.Theme(), "Mittelmeer");
    EXPECT_EQ(settings.category, "Wetter");
    EXPECT_FALSE(settings.noStopWort);
    EXPECT_TRUE(view.Stop().enabled);
    EXPECT_EQ(controls.title, "ZORBEL  V1.1.4  Wetterbericht");
    EXPECT_EQ(StartList(), "FEMM,FQMM,SXMM,NODL,NOXX,WWXX,");
    EXPECT_EQ(StopList(), "NNNN,RYRYRY,ZCZC,");
}

TEST_F(WordThemesTest, ResetTakesTheThemesResetListsAndNothingElse) {
    themes.LoadAtStartUp();
    themes.mnuGrundeinstWoerter_Click();
    EXPECT_EQ(StartList(), "FQEN,WODL,SXEN,NODL,NOXX,FEBQ,WWXX,WOEN,WOBQ,") << "differs from the Ostsee menu list";

    themes.mnuAlles_Click();
    const std::string titleBefore = controls.title;
    themes.mnuGrundeinstWoerter_Click();
    EXPECT_EQ(StartList(), "");
    EXPECT_EQ(StopList(), "NNNN,RYRYRY,ZCZC,");
    EXPECT_EQ(themes.Theme(), "alles");
    EXPECT_EQ(settings.category, "alles");
    EXPECT_TRUE(settings.noStartWort);
    EXPECT_EQ(controls.title, titleBefore);

    themes.mnuAFu_Click();
    themes.mnuGrundeinstWoerter_Click();
    EXPECT_EQ(StopList(), "73,");
}

}  // namespace
}  // namespace zorbel
