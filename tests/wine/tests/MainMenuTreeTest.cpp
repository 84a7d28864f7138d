// The main window's menu bar as the user finds it after start-up.
#include <set>

#include "MenuTree.h"
#include "TextConversion.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

// German Windows writes Ctrl as "Strg" behind the TAB. States are checked
// separately below.
constexpr wchar_t kExpectedMenu[] =
    L"&Datei\n"
    L"  &Öffnen\\tStrg+O\n"
    L"  &Speichern\\tStrg+S\n"
    L"  ---\n"
    L"  S&uchen\n"
    L"  &weitersuchen\\tF3\n"
    L"  ---\n"
    L"  &Drucken\\tStrg+D\n"
    L"  ---\n"
    L"  &Beenden\\tStrg+B\n"
    L"&Format\n"
    L"  Schr&ift\\tStrg+F\n"
    L"  Format&vorlage\n"
    L"    &Standard\n"
    L"    &Listing\n"
    L"    &Text\n"
    L"  ---\n"
    L"  Rx-Fenster &löschen\\tStrg+L\n"
    L"|\n"
    L"&Einstellungen\n"
    L"  &Notchfilter\\tStrg+N\n"
    L"  ---\n"
    L"  Engine &unsichtbar\\tStrg+U\n"
    L"  ---\n"
    L"  &Startwort/Stopwort\n"
    L"    &Amateurfunk\n"
    L"    &Wetter\n"
    L"      &Ostsee\n"
    L"      &Nordsee\n"
    L"      &Atlantik\n"
    L"      &Mittelmeer\n"
    L"      a&lle\n"
    L"    &sonstige\n"
    L"      &alles\\tStrg+A\n"
    L"      Standard &Wörter\n"
    L"  ---\n"
    L"  &Ordner zum Abspeichern\n"
    L"    &Amateurfunk\n"
    L"    &Wetterberichte\n"
    L"    &sonstige Dateien\n"
    L"  &automatisch  speichern\n"
    L"  ---\n"
    L"  &RAM-Test\\tStrg+R\n"
    L"?\n"
    L"  &Hilfe\\tF1\n"
    L"  &Info\\tF2\n";

class MainMenuTree : public ZorbelSuite {
 protected:
  static std::vector<bench::MenuItem> ReadMenu() {
    return bench::ParseMenuDump(ProbeOfZorbel().Ask(probe::ProbeRequest::DumpMenu));
  }
};

void ExpectAllEnabled(const std::vector<bench::MenuItem>& items) {
  for (const auto& item : items) {
    if (item.separator || item.id == IDM_HTRENN1) continue;
    EXPECT_TRUE(item.Enabled()) << '"' << bench::WideToUtf8(item.caption) << "\" is not enabled";
    ExpectAllEnabled(item.children);
  }
}

TEST_F(MainMenuTree, HoldsEveryEntryWithShortcutsAndSeparators) {
  EXPECT_EQ(bench::WideToUtf8(kExpectedMenu),
            bench::WideToUtf8(bench::RenderMenuTree(ReadMenu(), bench::MenuStates::Omitted)));
}

TEST_F(MainMenuTree, DividerIsGrayedAndEverythingElseEnabled) {
  const auto menu = ReadMenu();
  const bench::MenuItem* divider = bench::FindMenuItem(menu, IDM_HTRENN1);
  ASSERT_NE(nullptr, divider);
  EXPECT_TRUE(divider->grayed) << "the \"|\" divider in the menu bar must look unavailable";
  ExpectAllEnabled(menu);
}

void CollectChecked(const std::vector<bench::MenuItem>& items, std::set<UINT>& checked) {
  for (const auto& item : items) {
    if (item.checked) checked.insert(item.id);
    CollectChecked(item.children, checked);
  }
}

// A first run restores the default word theme "Ostsee"; automatic saving is
// on by default; the main window stands normal, so the engine entry is not
// checked.
TEST_F(MainMenuTree, FirstRunChecksOnlyOstseeAndAutomaticSaving) {
  std::set<UINT> checked;
  CollectChecked(ReadMenu(), checked);
  EXPECT_EQ((std::set<UINT>{IDM_WETTEROSTSEE, IDM_AUTOMSPEICHERN}), checked);
}

}  // namespace
