// NAVTEX read beside the capture: files and memory in the NAVTEX folder, bad input, and the window's list.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "capture/NavtexListening.h"
#include "codepage/Utf8.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeViews.h"
#include "navtex/MessageList.h"
#include "navtex/UtcTime.h"

namespace zorbel {
namespace {

constexpr wchar_t kFolder[] = L"C:\\W\\NAVTEX";

class CaptureSink : public platform::EngineCharacterSink {
public:
    void TakeEngineCharacter(std::int32_t code) override { taken += static_cast<char>(code); }
    void CheckEngine() override {}
    std::string taken;
};

struct NavtexRig {
    fakes::FakeFiles files;
    fakes::FakeDocumentFiles documents{files};
    fakes::FakeClock clock;
    fakes::FakeDialogs dialogs;
    CaptureSettings settings;
    NavtexReception navtex{{files, documents, clock, dialogs, settings}};

    NavtexRig() { files.folders.insert(L"C:\\W"); }
    void Receive(const std::string& characters) {
        for (const char c : characters) navtex.TakeCharacter(c);
    }
    // The folder's files and the boxes shown, for a failure to print.
    std::string State() const {
        std::string state;
        for (const auto& [path, bytes] : files.files)
            state += EncodeUtf8(path) + " (" + std::to_string(bytes.size()) + ")\n";
        for (const auto& box : dialogs.shown) state += "box: " + box.prompt + "\n";
        return state;
    }
};

std::string Rows(const std::vector<navtex::ListRow>& rows) {
    std::string text;
    for (const navtex::ListRow& row : rows) {
        for (const std::string& cell : row.cells) text += cell + '|';
        text += '\n';
    }
    return text;
}

TEST(NavtexReception, ReadsBesideTheCaptureSavesEachMessageAndKeepsTheListOverARestart) {
    NavtexRig rig;
    fakes::CallLog log;
    fakes::FakeEngineHook hook(log);
    NavtexListening listening(hook, rig.navtex);
    CaptureSink capture;
    rig.navtex.Open(kFolder);
    ASSERT_TRUE(listening.HookEngineWindow(capture));
    const std::string sent = "ZCZC SE01\r\nFOG\r\nNNNN\r\nZCZC SE01\r\nFOG\r\nNNNN\r\nZCZC SD07\r\nMAYDAY\r\nNNNN\r\n"
                             "ZCZC 104\r\nSMDL01 EDZW\r\nNNNN\r\nZCZC SA00\r\nWRECK";
    hook.Deliver(sent);
    listening.UnhookEngineWindow();  // the end of reception ends the open message
    EXPECT_EQ(sent, capture.taken) << "the capture gets every character as before";

    navtex::MessageList list(rig.navtex.Memory());
    const std::string alarm = "05.12. 12:03|S  Pinneberg|D  Seenot/Piraterie|07|0,0 %||1×|\n";
    const std::string others = "05.12. 12:03|S  Pinneberg|A  Navigationswarnung|00|0,0 %|unvollständig|1×|\n"
                               "05.12. 12:03|S  Pinneberg|E  Wettervorhersage|01|0,0 %||2×|\n";
    EXPECT_EQ(alarm, Rows(list.AlarmRows()));
    EXPECT_EQ(others, Rows(list.OtherRows()));
    const std::string file = rig.files.files[std::wstring(kFolder) + L"\\2026-12-05_1203_SD07.txt"];
    EXPECT_EQ("NAVTEX 518 kHz, Station S Pinneberg, Seenot/Piraterie, empfangen 05.12.2026 12:03 UTC, Fehler 0,0 %\r\n"
              "ZCZC SD07\r\nMAYDAY\r\nNNNN\r\n",
              file) << rig.State();
    EXPECT_EQ(4u, rig.files.files.size()) << "three messages (the repeat folded) and the memory\n" << rig.State();
    EXPECT_EQ(1u, rig.dialogs.shown.size()) << "a beep for search and rescue\n" << rig.State();
    EXPECT_EQ("beep", rig.dialogs.shown.at(0).kind);

    // A restart: the same list from the memory file, what is 72 hours old forgotten.
    NavtexRig restarted;
    restarted.files = rig.files;
    restarted.navtex.Open(kFolder);
    navtex::MessageList again(restarted.navtex.Memory());
    EXPECT_EQ(alarm + others, Rows(again.AlarmRows()) + Rows(again.OtherRows()));
    // Another folder chosen: the list goes on and is kept there with what comes next; back in the first, its own.
    const std::wstring moved = L"C:\\W\\NEU\\";
    restarted.navtex.MoveTo(moved.substr(0, moved.size() - 1));
    restarted.Receive("ZCZC SB03\r\nLAST\r\nNNNN\r\n");
    EXPECT_EQ(restarted.navtex.Memory().Save(), restarted.files.files[moved + L"NAVTEX-Speicher.txt"])
        << restarted.State();
    EXPECT_EQ(1u, restarted.files.files.count(moved + L"2026-12-05_1203_SB03.txt")) << restarted.State();
    restarted.navtex.MoveTo(kFolder);
    EXPECT_EQ(alarm + others, Rows(again.AlarmRows()) + Rows(again.OtherRows()));
    restarted.clock.SetUtc({2026, 12, 8, 12, 3, 10});
    restarted.navtex.Open(kFolder);
    EXPECT_TRUE(restarted.navtex.Memory().Messages().empty());
}

TEST(NavtexReception, BadInputIsSaidInGermanAndLosesNothing) {
    struct Case {
        std::string name;
        std::function<void(NavtexRig&)> before;
        std::string received;
        std::size_t rows;
        std::string box;  // the start of the one box shown, "" for none
        std::function<void(NavtexRig&)> after;  // then one more message, and the exit
        std::size_t filesAtEnd;
        std::string exitBox = "";  // the end of a box at exit
    };
    const std::wstring folder = kFolder;
    std::string flood;
    for (int i = 0; i < 30; ++i) flood += "ZCZC SA" + std::to_string(10 + i) + "\r\n";
    const std::vector<Case> cases{
        {"a file in the folder's way", [&](NavtexRig& r) { r.files.files[folder] = "x"; },
         "ZCZC SA01\r\nONE\r\nNNNN\r\nZCZC SA02\r\nTWO\r\nNNNN\r\n", 2,
         "Eine Datei „C:\\W\\NAVTEX“ steht dem NAVTEX-Ordner im Weg.",
         [&](NavtexRig& r) { r.files.files.erase(folder); }, 4},
        {"a file in the folder's way to the end", [&](NavtexRig& r) { r.files.files[folder] = "x"; },
         "ZCZC SA01\r\nONE\r\nNNNN\r\n", 1, "Eine Datei „C:\\W\\NAVTEX“ steht dem NAVTEX-Ordner im Weg.",
         [](NavtexRig&) {}, 1, "2 Meldung(en) gehen mit dem Programmende verloren."},
        {"a damaged memory set aside", [&](NavtexRig& r) {
             r.files.folders.insert(folder);
             r.files.files[folder + L"\\NAVTEX-Speicher.txt"] = "ZORBEL NAVTEX 1\nkaputt";
         },
         "ZCZC SA01\r\nONE\r\nNNNN\r\n", 1, "Der NAVTEX-Speicher „C:\\W\\NAVTEX\\NAVTEX-Speicher.txt“ war beschädigt.",
         [](NavtexRig&) {}, 4},
        {"a message that never ends", [](NavtexRig&) {}, "ZCZC SA01\r\n" + std::string(25000, 'E'), 1, "",
         [](NavtexRig&) {}, 3},
        {"a flood of headers", [](NavtexRig&) {}, flood, 29, "Es kommen viele NAVTEX-Köpfe ohne Text an",
         [](NavtexRig&) {}, 32},
    };
    for (const Case& c : cases) {
        NavtexRig rig;
        c.before(rig);
        rig.navtex.Open(folder);
        rig.Receive(c.received);
        EXPECT_EQ(c.rows, rig.navtex.Memory().Messages().size()) << c.name << '\n' << rig.State();
        ASSERT_EQ(c.box.empty() ? 0u : 1u, rig.dialogs.shown.size()) << c.name << '\n' << rig.State();
        if (!c.box.empty()) {
            EXPECT_TRUE(rig.dialogs.shown[0].prompt.starts_with(c.box)) << c.name << '\n' << rig.State();
        }
        c.after(rig);
        rig.Receive("ZCZC SB03\r\nLAST\r\nNNNN\r\n");
        rig.navtex.WriteAtExit();
        EXPECT_EQ(c.filesAtEnd, rig.files.files.size()) << c.name << '\n' << rig.State();
        EXPECT_EQ((c.box.empty() ? 0u : 1u) + (c.exitBox.empty() ? 0u : 1u), rig.dialogs.shown.size())
            << c.name << '\n' << rig.State();
        EXPECT_TRUE(rig.dialogs.shown.empty() || rig.dialogs.shown.back().prompt.ends_with(c.exitBox)) << rig.State();
    }
}

TEST(NavtexList, FiltersKeepTheWarningsAndSearchAndRescueAndTheStationsFollowTheirSlots) {
    navtex::MessageMemory memory;
    for (const char* id : {"SA01", "SC02", "SL03", "RD04", "OE05", "*E06", "SD07"})
        memory.Receive(navtex::k518kHz, {id, false, true, "T", 10, 0}, 0);
    memory.Receive(navtex::k490kHz, {"LE08", false, true, "T", 10, 0}, 0);
    navtex::MessageList list(memory);
    struct Step {
        std::function<void()> change;
        std::string others;  // identities listed apart from search and rescue, newest first
    };
    for (const Step& step : std::vector<Step>{
             {[] {}, "*E06 OE05 SL03 SC02 SA01"},
             {[&] { for (char s : std::string("ABCEL")) list.ShowSubject(s, false); }, "SL03 SA01"},
             {[&] { list.ShowSubject('E', true); list.ShowStation('S'); }, "*E06 SL03 SA01"},
             {[&] { list.SetFrequency(navtex::k490kHz); list.ShowStation(0); }, "LE08"},
         }) {
        step.change();
        std::string shown;
        for (const navtex::ListRow& row : list.OtherRows())
            shown += (shown.empty() ? "" : " ") + memory.Messages()[row.message].message.id;
        EXPECT_EQ(step.others, shown);
        if (list.FrequencyHz() == navtex::k518kHz) {
            EXPECT_EQ(2u, list.AlarmRows().size()) << "never filtered";
        }
    }
    const std::vector<navtex::Broadcast> next = list.NextBroadcasts(navtex::ToUtcSeconds({2026, 12, 7, 9, 55, 0}));
    std::string times;
    for (const navtex::Broadcast& b : next) times += b.utf8Text + '\n';
    EXPECT_EQ("10:50  R  Reykjavík\n11:10  T  Niton (französisch)\n11:20  U  Cullercoats\n12:20  C  Portpatrick\n"
              "13:20  I  Niton\n13:50  L  Pinneberg\n",
              times);
}

}  // namespace
}  // namespace zorbel
