// The word themes at start-up, on menu clicks and reset, compared as the whole state the user sees.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "codepage/Cp1252.h"
#include "config/ListText.h"
#include "config/WordThemes.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

constexpr char kOstsee[] = "FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,";
constexpr char kWeatherStop[] = "NNNN,RYRYRY,ZCZC,";
constexpr char kGeneralTitle[] = "ZORBEL  V1.1.4  allgemeiner Fernschreibempfang";
constexpr char kMailboxTitle[] = "ZORBEL  V1.1.4  RTTY-Mailbox";

std::string CategoryName(CaptureCategory category) {
    switch (category) {
        case CaptureCategory::Weather: return "Wetter";
        case CaptureCategory::AmateurRadio: return "AFu";
        case CaptureCategory::Everything: return "alles";
        case CaptureCategory::None: break;
    }
    return "-";
}

struct Rig {
    // Theme [label if it differs] category, marked entries, the two "no word"
    // flags, whether the lists can be edited, the title, then both lists.
    std::string State() const {
        std::string marks;
        for (const auto entry : checks.Checked())
            marks += std::string(values::kThemePresets.at(static_cast<std::size_t>(entry)).theme) + " ";
        const auto list = [this](platform::WordList which, const std::vector<std::string>& words) {
            const auto& combo = view.combos.at(which);
            return FormatListText(words) + (combo.entries == words ? "" : " (view differs)") +
                   (combo.enabled ? "" : " off");
        };
        return themes.Theme() + (controls.themeLabel == themes.Theme() ? "" : " [" + controls.themeLabel + "]") +
               " " + CategoryName(settings.category) + " marks{" + marks + "} no " + (settings.noStartWord ? "start" : "-") + "/" +
               (settings.noStopWord ? "stop" : "-") + " title{" + controls.title + "} start{" +
               list(platform::WordList::Start, lists.StartWords()) + "} stop{" +
               list(platform::WordList::Stop, lists.StopWords()) + "}";
    }
    void Do(const std::string& action) {
        if (action == "alles") return themes.ChooseEverything();
        if (action == "AFu") return themes.ChooseAmateurRadio();
        if (action == "reset") return themes.RestoreStandardWords();
        for (const auto& preset : values::kThemePresets)
            if (preset.theme == action) return themes.ChooseSeaArea(preset.menu, preset.theme, preset.menuStartList);
        FAIL() << "no action " << action;
    }

    fakes::FakeThemeControls controls;
    fakes::FakeMenuChecks checks;
    fakes::FakeWordListView view;
    WordLists lists{view};
    fakes::FakeSettingsStore store;
    CaptureSettings settings;
    WordThemes themes{controls, checks, lists, store, settings};
};

TEST(WordThemesTest, StartUpThenMenuClicks) {
    struct Case {
        std::map<std::string, std::string> stored;
        std::vector<std::string> clicks;  // after the start-up
        std::string expected;
    };
    const std::string ostseeStart = "Ostsee Wetter marks{Ostsee } no -/- title{} ";
    const std::string generalOff = "alles alles marks{alles } no start/stop title{" + std::string(kGeneralTitle) + "} ";
    const std::string afuLists = "start{CQ,Call..,} stop{73,}";
    const std::vector<Case> cases{
        // A first run; the weather title of the window's load stays.
        {{}, {}, ostseeStart + "start{" + kOstsee + "} stop{" + kWeatherStop + "}"},
        // Stored lists win unless empty, at start-up and on a click; Atlantik starts without SSVX.
        {{{"StartWortTema", "Atlantik"}, {"StartWortAtlantik", ""}, {"StopWortAtlantik", "ENDE,"}}, {},
         "Atlantik Wetter marks{Atlantik } no -/- title{} start{FQNT,FQEW,NOXX,WWXX,NODL,} stop{ENDE,}"},
        {{{"StartWortTema", "Atlantik"}, {"StopWortNordsee", "ENDE,"}}, {"Nordsee"},
         "Nordsee Wetter marks{Nordsee } no -/- title{ZORBEL  V1.1.4  Wetterbericht} "
         "start{FQEN,WODL,FQEW,SXEN,NOXX,FEEN,WWXX,WOEN,NODL,} stop{ENDE,}"},
        {{{"StartWortTema", "AFu"}}, {}, "AFu AFu marks{AFu } no -/- title{" + std::string(kMailboxTitle) + "} " + afuLists},
        // A theme outside the tables is restored as general reception under its own name; both truth words count.
        {{{"StartWortTema", "Funk"}, {"NoStartWort", "True"}, {"NoStopWort", "Wahr"}}, {},
         "Funk alles marks{alles } no start/stop title{" + std::string(kGeneralTitle) +
             "} start{FQEN,WODL,FEBQ,NOXX,SXEN,WWXX,NODL,WOEN,WOBQ, off} stop{" + kWeatherStop + " off}"},
        // The chosen area again: general reception, the lists keep their entries.
        {{}, {"Ostsee"}, generalOff + "start{" + kOstsee + " off} stop{" + kWeatherStop + " off}"},
        // General reception twice: the amateur-radio lists in category "alles", nothing marked.
        {{}, {"alles", "alles"}, "AFu alles marks{} no -/- title{" + std::string(kMailboxTitle) + "} " + afuLists},
        {{}, {"AFu"}, "AFu AFu marks{AFu } no -/- title{" + std::string(kMailboxTitle) + "} " + afuLists},
        {{}, {"AFu", "AFu"}, generalOff + "start{CQ,Call.., off} stop{73, off}"},
        // An area from general reception carries only its own mark.
        {{}, {"alles", "Mittelmeer"},
         "Mittelmeer Wetter marks{Mittelmeer } no -/- title{ZORBEL  V1.1.4  Wetterbericht} "
         "start{FEMM,FQMM,SXMM,NODL,NOXX,WWXX,} stop{" + std::string(kWeatherStop) + "}"},
        // The reset lists of the current theme and nothing else; Ostsee's differs from its menu list.
        {{}, {"reset"}, ostseeStart + "start{FQEN,WODL,SXEN,NODL,NOXX,FEBQ,WWXX,WOEN,WOBQ,} stop{" + kWeatherStop + "}"},
        {{}, {"alles", "reset"}, generalOff + "start{ off} stop{" + kWeatherStop + " off}"},
        {{}, {"alles", "AFu", "reset"}, "AFu AFu marks{AFu } no -/- title{" + std::string(kMailboxTitle) + "} " + afuLists},
    };
    for (const Case& expected : cases) {
        Rig rig;
        for (const auto& [key, value] : expected.stored) rig.store.values[Cp1252ToWide(key)] = Cp1252ToWide(value);
        rig.themes.LoadAtStartUp();
        std::string trace = "start-up";
        for (const auto& click : expected.clicks) {
            rig.Do(click);
            trace += ", " + click;
        }
        EXPECT_EQ(rig.State(), expected.expected) << trace;
    }
}

}  // namespace
}  // namespace zorbel
