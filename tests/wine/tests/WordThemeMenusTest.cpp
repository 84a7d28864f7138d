// The word themes of "&Einstellungen" › "&Startwort/Stopwort": each entry
// sets check marks, window title, theme label and both word lists; choosing
// the checked entry again switches to general reception.
#include <functional>
#include <sstream>

#include "MenuTree.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;
using Words = std::vector<std::wstring>;

const std::pair<UINT, const char*> kThemeEntries[] = {
    {IDM_AFU, "&Amateurfunk"},        {IDM_WETTEROSTSEE, "&Ostsee"},     {IDM_WETTERNORDSEE, "&Nordsee"},
    {IDM_WETTERATLANTIK, "&Atlantik"}, {IDM_WETTERMITTELMEER, "&Mittelmeer"}, {IDM_WETTERALLE, "a&lle"},
    {IDM_ALLES, "&alles"},
};

const Words kWeatherStopWords{L"NNNN", L"RYRYRY", L"ZCZC"};
const Words kOstseeStartWords{L"FQEN", L"WODL", L"SXEN", L"NOXX", L"FEBQ", L"WWXX", L"NODL", L"WOEN", L"WOBQ"};
const Words kAtlantikStartWords{L"FQNT", L"FQEW", L"SSVX", L"NODL", L"NOXX", L"WWXX"};
const Words kAFuStartWords{L"CQ", L"Call.."};
const Words kAFuStopWords{L"73"};

constexpr char kTitleWeather[] = "ZORBEL  V1.1.4  Wetterbericht";
constexpr char kTitleMailbox[] = "ZORBEL  V1.1.4  RTTY-Mailbox";
constexpr char kTitleGeneral[] = "ZORBEL  V1.1.4  allgemeiner Fernschreibempfang";

std::string Joined(const Words& words) {
  std::string text = "[";
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += ',';
    text += WideToUtf8(words[i]);
  }
  return text + ']';
}

struct ThemeView {
  std::string checked;  // the captions of the checked theme entries
  std::string title;
  std::string label;
  Words startWords;
  Words stopWords;
  bool listsEnabled;

  // One line each, for differences that read like the window.
  std::string Text() const {
    std::ostringstream text;
    text << "checked: " << checked << "\ntitle: " << title << "\nlabel: " << label
         << "\nstart words: " << Joined(startWords) << "\nstop words: " << Joined(stopWords)
         << "\nlists: " << (listsEnabled ? "enabled" : "disabled") << '\n';
    return text.str();
  }
};

class WordThemeMenus : public ZorbelSuite {
 protected:
  static ThemeView ReadThemeView() {
    const auto menu = ReadMenu();  // also waits for what was posted before
    ThemeView view;
    for (const auto& [id, caption] : kThemeEntries) {
      if (!bench::FindMenuItem(menu, id)->checked) continue;
      if (!view.checked.empty()) view.checked += ' ';
      view.checked += caption;
    }
    const HWND start = ControlOfMain(IDC_COMBO1);
    const HWND stop = ControlOfMain(IDC_COMBO2);
    view.title = WideToUtf8(bench::WindowText(MainWindow()));
    view.label = WideToUtf8(bench::WindowText(ControlOfMain(IDC_LABELTEMA)));
    view.startWords = bench::ComboItems(start);
    view.stopWords = bench::ComboItems(stop);
    view.listsEnabled = IsWindowEnabled(start) && IsWindowEnabled(stop);
    return view;
  }

  static void ExpectPrompts() {
    EXPECT_EQ("Startwort", WideToUtf8(bench::WindowText(ControlOfMain(IDC_COMBO1))));
    EXPECT_EQ("Stopwort", WideToUtf8(bench::WindowText(ControlOfMain(IDC_COMBO2))));
  }
};

TEST_F(WordThemeMenus, FirstRunRestoresOstsee) {
  const ThemeView expected{"&Ostsee", "ZORBEL   V1.1.4", "Ostsee", kOstseeStartWords, kWeatherStopWords, true};
  EXPECT_EQ(expected.Text(), ReadThemeView().Text());
  ExpectPrompts();
}

// One walk through the themes: each step starts where the one before ended.
TEST_F(WordThemeMenus, EntriesSwitchThemesInTurn) {
  const auto choose = [](UINT id) { return [id] { bench::ChooseMenuItem(MainWindow(), id); }; };
  struct Step {
    const char* action;
    std::function<void()> act;
    ThemeView expected;
  };
  const Step steps[] = {
      {"&Ostsee while checked", choose(IDM_WETTEROSTSEE),
       {"&alles", kTitleGeneral, "alles", kOstseeStartWords, kWeatherStopWords, false}},
      {"&alles while checked", choose(IDM_ALLES),
       {"", kTitleMailbox, "AFu", kAFuStartWords, kAFuStopWords, true}},
      {"opening &Wetter", [] { OpenMenuPopup({L"&Einstellungen", L"&Startwort/Stopwort", L"&Wetter"}); },
       {"", kTitleWeather, "AFu", kAFuStartWords, kAFuStopWords, true}},
      {"&Atlantik", choose(IDM_WETTERATLANTIK),
       {"&Atlantik", kTitleWeather, "Atlantik", kAtlantikStartWords, kWeatherStopWords, true}},
      {"&alles", choose(IDM_ALLES),
       {"&alles", kTitleGeneral, "alles", kAtlantikStartWords, kWeatherStopWords, false}},
      {"Standard &Wörter under alles", choose(IDM_GRUNDEINSTWOERTER),
       {"&alles", kTitleGeneral, "alles", {}, kWeatherStopWords, false}},
      {"&Amateurfunk", choose(IDM_AFU),
       {"&Amateurfunk", kTitleMailbox, "AFu", kAFuStartWords, kAFuStopWords, true}},
      {"&Amateurfunk while checked", choose(IDM_AFU),
       {"&alles", kTitleGeneral, "alles", kAFuStartWords, kAFuStopWords, false}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.action);
    step.act();
    EXPECT_EQ(step.expected.Text(), ReadThemeView().Text()) << "after " << step.action;
    ExpectPrompts();
  }
}

}  // namespace
