// The main window's menu bar as the user finds it after start-up.
#include "MenuTree.h"
#include "TextConversion.h"
#include "ZorbelSuite.h"

namespace {

using MainMenuTree = ZorbelSuite;

// German Windows writes Ctrl as "Strg" behind the TAB.
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
    L"| [grayed]\n"
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
    L"  &automatisch  speichern [checked]\n"
    L"  ---\n"
    L"  &RAM-Test\\tStrg+R\n"
    L"?\n"
    L"  &Hilfe\\tF1\n"
    L"  &Info\\tF2\n";

TEST_F(MainMenuTree, HoldsEveryEntryWithShortcutSeparatorsAndState) {
  const auto menu = bench::ParseMenuDump(ProbeOfZorbel().Ask(probe::ProbeRequest::DumpMenu));
  EXPECT_EQ(bench::WideToUtf8(kExpectedMenu), bench::WideToUtf8(bench::RenderMenuTree(menu)));
}

}  // namespace
