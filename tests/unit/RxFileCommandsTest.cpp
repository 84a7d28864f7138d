// Open, save, print and clear of the Rx window and the exit sequence, in the order the user meets them.
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include <gtest/gtest.h>

#include "capture/ExitSequence.h"
#include "capture/RxDocument.h"
#include "capture/RxFileCommands.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using namespace std::string_literals;

// The dialog starts in the category's folder; the name's ending decides the format before the filter does.
TEST(RxDocumentRules, DialogStartByCategoryAndFormatByNameEndingBeforeTheFilter) {
    const CategoryFolders folders{L"W", L"A", L"O"};
    const std::map<CaptureCategory, DialogStart> expected{{CaptureCategory::Weather, {L"W", 1}},
                                                          {CaptureCategory::AmateurRadio, {L"A", 1}},
                                                          {CaptureCategory::Everything, {L"O", 2}},
                                                          {CaptureCategory::None, {L"C:\\", 1}}};
    for (const auto& [category, start] : expected)
        EXPECT_EQ(start, DialogStartFor(category, folders)) << static_cast<int>(category);
    EXPECT_EQ(RxFileFormat::Text, FormatForFile(L"a.TXT", 1));
    EXPECT_EQ(RxFileFormat::Rtf, FormatForFile(L"a.Rtf", 2));
    EXPECT_EQ(RxFileFormat::Text, FormatForFile(L"a.doc", 2));
    EXPECT_EQ(RxFileFormat::Rtf, FormatForFile(L"txt", 1));
}

TEST(RxDocumentRules, ProposedNameIsDayMonthYearHourMinuteInTheLocalesScript) {
    fakes::FakeGermanLocale locale;
    EXPECT_EQ(L"Wetter 5Dez26-7 04", ProposedFileName({2026, 12, 5, 7, 4, 59}, locale));
    EXPECT_EQ(L"Wetter 31Mrz09-23 59", ProposedFileName({2009, 3, 31, 23, 59, 0}, locale));
    locale.monthNames[9] = L"paź";
    locale.monthNames[0] = L"1月";
    EXPECT_EQ(L"Wetter 5paź26-7 04", ProposedFileName({2026, 10, 5, 7, 4, 0}, locale));
    EXPECT_EQ(L"Wetter 51月27-7 04", ProposedFileName({2027, 1, 5, 7, 4, 0}, locale));
}

TEST(RxDocumentRules, TextFilesDecodeByMarkThenUtf8ThenCodePage1252AndAreWrittenToReadBack) {
    const std::map<std::string, std::wstring> expected{
        {"", L""}, {"\xEF\xBB\xBF" "K\xC3\xBChl\r\n", L"Kühl\r\n"},
        {"K\xC3\xBChl \xE2\x82\xAC \xF0\x9F\x98\x80", L"Kühl € \xD83D\xDE00"},
        {"K\xFChl \x80", L"Kühl €"},
        {"\xC0\xAF", L"\xC0\xAF"},  // overlong, so 1252
        {"\xFF\xFE" "K\0\xFC\0"s, L"Kü"}, {"\xFE\xFF" "\0K\0\xFC"s, L"Kü"}, {"\0\x01\xFF"s, L"\0\x01\xFF"s},
        {"\xFF\xFE" "K\0\xFC"s, L"K\xFFFD"},  // an odd last byte is not dropped silently
    };
    for (const auto& [bytes, text] : expected) EXPECT_EQ(text, DecodeTextFile(bytes)) << bytes;
    // Written in code page 1252 when the text fits, else in UTF-8 with a mark, and read back.
    const std::pair<std::wstring, std::string> cases[] = {
        {L"Kühl €\r\n\x81", "K\xFChl \x80\r\n\x81"},
        {L"Łódź ?", "\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA ?"},
        {L"a\xD83D\xDE00", "\xEF\xBB\xBF" "a\xF0\x9F\x98\x80"},
    };
    for (const auto& [text, bytes] : cases) {
        const TextFileBytes file = EncodeTextFile(text);
        EXPECT_EQ(bytes, file.bytes) << testing::PrintToString(text);
        EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF"), file.encoding == TextFileEncoding::Utf8WithMark);
        EXPECT_EQ(text, DecodeTextFile(file.bytes));
    }
}

// The Rx window, the file dialogs and the printer in one: the dialogs give `chosen`.
class FakeRxFiles : public platform::RxDocumentView, public platform::FileDialogs, public platform::RxPrinter {
public:
    bool IsEmpty() const override { return text.empty(); }
    bool HasSelection() const override { return selected; }
    std::string RtfBytes() const override { return "{\\rtf1 " + std::string(text.begin(), text.end()) + "}"; }
    std::wstring PlainText() const override { return text; }
    bool ReplaceWithRtf(std::string_view rtfBytes) override {
        if (!rtfBytes.starts_with("{\\rtf")) return false;
        text = std::wstring(rtfBytes.begin(), rtfBytes.end());
        return true;
    }
    void ReplaceWithText(std::wstring_view wideText) override { text = wideText; }
    void Clear() override {
        text.clear();
        log.Add("clear");
    }

    platform::FileChoice AskOpenPath(const std::wstring& folder, int filterIndex) override {
        log.Add("open dialog " + std::string(folder.begin(), folder.end()) + " " + std::to_string(filterIndex));
        return chosen;
    }
    platform::FileChoice AskSavePath(const std::wstring& folder, int filterIndex, const std::wstring& name) override {
        log.Add("save dialog " + std::string(folder.begin(), folder.end()) + " " + std::to_string(filterIndex) + " " +
                std::string(name.begin(), name.end()));
        return chosen;
    }

    std::optional<platform::PrintFailure> PrintFromDialog(bool selectionOffered) override {
        log.Add(selectionOffered ? "print dialog with selection" : "print dialog");
        return printFailure;
    }

    fakes::CallLog log;  // dialogs, questions and steps in order
    std::wstring text;
    bool selected = false;
    platform::FileChoice chosen;  // the answer of both dialogs
    std::optional<platform::PrintFailure> printFailure;
};

// The engine window hidden before a question about the text.
struct HidingLog : platform::EngineChannel {
    explicit HidingLog(fakes::CallLog& to) : log(to) {}
    bool PostEngineCommand(engine::EngineCommand code, std::int32_t value) override {
        if (code == engine::EngineCommand::Visibility && value == 0) log.Add("hide engine");
        return true;
    }
    engine::EngineAnswers WaitForEngineValues() override { return {}; }
    fakes::CallLog& log;
};

// The commands wired to fakes.
struct FileRig {
    FakeRxFiles rx;
    fakes::CallLog& log = rx.log;
    fakes::FakeDialogs dialogs;
    fakes::FakeStatusPanels panels;
    fakes::FakeClock clock;
    fakes::FakeGermanLocale locale;
    fakes::FakeRxView countedView;
    RxText rxText{countedView, panels};
    CaptureSettings settings;
    fakes::FakeFiles files;
    fakes::FakeDocumentFiles documents{files};
    fakes::FakeFolderChooser chooser;
    StorageFolders folders{files, chooser, dialogs};
    HidingLog engine{log};
    fakes::FakeMenuChecks checks;
    EngineWindowControl engineWindow{engine, dialogs, checks};
    RxFileCommands commands{RxFileParts{rx, rxText, settings, folders, engineWindow, rx, documents, rx, dialogs, panels,
                                        clock, locale}};

    FileRig() {
        dialogs.log = &log;
        settings.category = CaptureCategory::Weather;
        files.folders = {L"C:\\W", L"C:\\A", L"C:\\O"};
        folders.Restore(L"C:\\W", L"C:\\A", L"C:\\O", L"", L"C:\\W");
    }
};

using Steps = std::vector<std::string>;

TEST(RxFileCommands, SaveWritesTheChosenFormatAndClearsTheMarkWhichAFailedOrCancelledSaveKeeps) {
    FileRig rig;
    rig.rx.text = L"Kühl €\r\n";
    rig.rxText.SetUnsaved(true);
    rig.rx.chosen = platform::ChosenFile{L"C:\\W\\a.txt", 1};
    EXPECT_EQ(SaveOutcome::Saved, rig.commands.Save());
    EXPECT_EQ(Steps{"save dialog C:\\W 1 Wetter 5Dez26-13 03"}, rig.log.calls);
    EXPECT_EQ("K\xFChl \x80\r\n", rig.files.files[L"C:\\W\\a.txt"]) << "plain text in code page 1252";
    EXPECT_FALSE(rig.rxText.Unsaved());

    rig.rx.chosen = platform::ChosenFile{L"C:\\W\\b", 1};
    rig.commands.Save();
    EXPECT_TRUE(rig.files.files[L"C:\\W\\b"].starts_with("{\\rtf1"));
    EXPECT_EQ("", rig.panels.Text(platform::Panel::Status));

    rig.rx.text = L"Ł";
    rig.rx.chosen = platform::ChosenFile{L"C:\\W\\c", kTextFilterIndex};
    rig.commands.Save();
    EXPECT_EQ("\xEF\xBB\xBF\xC5\x81", rig.files.files[L"C:\\W\\c"]) << "outside code page 1252: UTF-8";
    EXPECT_EQ("Status: als UTF-8 gespeichert",
              rig.panels.Text(platform::Panel::Status));

    // Cancelled or failed, the mark stays; only a failure says why.
    rig.rxText.SetUnsaved(true);
    rig.rx.chosen = platform::DialogCancelled{};
    EXPECT_EQ(SaveOutcome::Cancelled, rig.commands.Save());
    rig.rx.chosen = platform::DialogFailure{"Fehler 0x3002: Der Dateiname ist ungültig."};
    EXPECT_EQ(SaveOutcome::Failed, rig.commands.Save()) << "a dialog that cannot open is no Cancel";
    rig.files.canWrite = false;
    rig.rx.chosen = platform::ChosenFile{L"C:\\W\\a.rtf", 1};
    EXPECT_EQ(SaveOutcome::Failed, rig.commands.Save());
    EXPECT_TRUE(rig.rxText.Unsaved());
    EXPECT_EQ((std::vector<fakes::FakeDialogs::Shown>{
                  {"exclamation",
                   "Der Dateidialog konnte nicht geöffnet werden.\r\n\r\nFehler 0x3002: Der Dateiname ist ungültig.",
                   "Fehler", ""},
                  {"exclamation", "C:\\W\\a.rtf\r\n\r\nZugriff verweigert.", "Fehler", ""}}),
              rig.dialogs.shown);
}

TEST(RxFileCommands, PrintOffersTheSelectionOnlyWhenThereIsOneAndBoxesAFailure) {
    FileRig rig;
    rig.commands.Print();
    rig.rx.selected = true;
    rig.rx.printFailure = platform::PrintFailure{"Drucker nicht bereit."};
    rig.commands.Print();
    EXPECT_EQ((Steps{"print dialog", "print dialog with selection", "box:Fehler"}), rig.log.calls);
    EXPECT_EQ((fakes::FakeDialogs::Shown{"exclamation", "Der Text konnte nicht gedruckt werden.\r\n\r\nDrucker nicht bereit.",
                                         "Fehler", ""}),
              rig.dialogs.shown.at(0));
}

TEST(RxFileCommands, OpenAsksToSaveFirstThenLoadsUnmarked) {
    FileRig rig;
    rig.rx.text = L"received";
    rig.rxText.SetUnsaved(true);
    rig.dialogs.yesNoAnswers = {false};
    rig.files.files[L"C:\\W\\a.txt"] = "\xEF\xBB\xBF\xC3\xA4";
    rig.rx.chosen = platform::ChosenFile{L"C:\\W\\a.txt", 1};
    rig.commands.Open();
    EXPECT_EQ((Steps{"ask:Text speichern ?", "open dialog C:\\W 1"}), rig.log.calls);
    EXPECT_EQ(L"ä", rig.rx.text);
    EXPECT_FALSE(rig.rxText.Unsaved());
    EXPECT_EQ("Zeilen:", rig.panels.Text(platform::Panel::Lines));
}

TEST(RxFileCommands, OpenStopsOnAFailedOrCancelledSaveAndLeavesTheWindowOnUnreadableFiles) {
    struct Case {
        const char* name;
        bool unsaved;
        bool readOnly;
        platform::FileChoice answer;
        Steps seen;
        std::string box;
    };
    const Steps saveSteps{"ask:Text speichern ?", "save dialog C:\\W 1 Wetter 5Dez26-13 03"};
    const Steps openSteps{"open dialog C:\\W 1", "box:Fehler"};
    const Case cases[] = {
        {"failed save", true, true, platform::ChosenFile{L"C:\\W\\a.rtf", 1},
         {saveSteps[0], saveSteps[1], "box:Fehler"}, "C:\\W\\a.rtf\r\n\r\nZugriff verweigert."},
        {"cancelled save", true, false, platform::DialogCancelled{}, saveSteps, ""},
        {"missing file", false, false, platform::ChosenFile{L"C:\\W\\gone.txt", 1}, openSteps,
         "C:\\W\\gone.txt\r\n\r\nDatei nicht gefunden."},
        {"no rich text", false, false, platform::ChosenFile{L"C:\\W\\plain.rtf", 1}, openSteps,
         "C:\\W\\plain.rtf\r\n\r\nDie Datei enthält keinen lesbaren RTF-Text."},
        {"too large", false, false, platform::ChosenFile{L"C:\\W\\huge.txt", 1}, openSteps,
         "C:\\W\\huge.txt\r\n\r\nDie Datei ist mit 21 MB zu groß: das Rx-Fenster öffnet Dateien bis 20 MB."},
        {"dialog failed", false, false, platform::DialogFailure{"Fehler 0x3001"}, openSteps,
         "Der Dateidialog konnte nicht geöffnet werden.\r\n\r\nFehler 0x3001"},
    };
    for (const Case& c : cases) {
        FileRig rig;
        rig.rx.text = L"received";
        rig.rxText.SetUnsaved(c.unsaved);
        rig.files.canWrite = !c.readOnly;
        rig.files.files[L"C:\\W\\plain.rtf"] = "plain";
        rig.files.files[L"C:\\W\\huge.txt"] = std::string(kLargestDocumentBytes + 1, 'x');
        rig.rx.chosen = c.answer;
        rig.commands.Open();
        EXPECT_EQ(c.seen, rig.log.calls) << c.name;
        EXPECT_EQ(L"received", rig.rx.text) << c.name;
        EXPECT_EQ(c.unsaved, rig.rxText.Unsaved()) << c.name;
        std::string box;
        for (const auto& shown : rig.dialogs.shown)
            if (shown.kind == "exclamation") box = shown.prompt;
        EXPECT_EQ(c.box, box) << c.name;
    }
}

TEST(RxFileCommands, ClearAsksInOrder) {
    struct Case {
        const char* name;
        std::wstring text;
        bool unsaved;
        std::vector<bool> answers;
        Steps seen;
    };
    const Case cases[] = {
        {"empty window: only the clear question", L"", true, {true},
         {"ask:Text löschen ?", "clear"}},
        {"unsaved, no save, clear", L"x", true, {false, true},
         {"hide engine", "ask:Text speichern ?", "ask:Text löschen ?", "clear"}},
        {"saved, keep", L"x", false, {false}, {"hide engine", "ask:Text löschen ?"}},
        {"unsaved, save cancelled in its dialog: nothing cleared", L"x", true, {true},
         {"hide engine", "ask:Text speichern ?", "save dialog C:\\W 1 Wetter 5Dez26-13 03"}},
    };
    for (const Case& c : cases) {
        FileRig rig;
        rig.rx.text = c.text;
        rig.rxText.SetUnsaved(c.unsaved);
        rig.dialogs.yesNoAnswers = c.answers;
        rig.rxText.RxKeyDown(13);
        rig.commands.Clear();
        EXPECT_EQ(c.seen, rig.log.calls) << c.name;
        const bool cleared = std::find(c.seen.begin(), c.seen.end(), "clear") != c.seen.end();
        EXPECT_EQ(cleared, !rig.rxText.Unsaved() && rig.rx.text.empty()) << c.name;
        EXPECT_EQ(cleared ? "Zeilen:" : "Zeilen:2", rig.panels.Text(platform::Panel::Lines)) << c.name;
        EXPECT_EQ(cleared ? 1 : 2, rig.rxText.LineCount()) << c.name << ": cleared, the count starts again";
    }
}

TEST(RxFileCommands, OnlyAFormatCommandThatChangesTheRichTextMarksItUnsaved) {
    // Unchanged: a cancelled dialog, bold on bold.
    for (const std::wstring formatted : {L"X", L"x"}) {
        FileRig rig;
        rig.rx.text = L"x";
        rig.commands.Format([&] { rig.rx.text = formatted; });
        EXPECT_EQ(formatted != L"x", rig.rxText.Unsaved()) << "formatted to " << testing::PrintToString(formatted);
    }
}

class FakeExitSteps : public ExitSteps {
public:
    void HideEngineWindow() override { log.Add("hide engine"); }
    bool HasUnsavedText() const override { return unsaved; }
    bool OfferToSave() override {
        log.Add("offer save");
        Meanwhile();
        return saveWorks;
    }
    void Unhook() override { log.Add("unhook"); }
    void ShutDownEngine() override {
        log.Add("engine 22, 2");
        Meanwhile();
    }
    void SaveSettings() override { log.Add("settings"); }
    void BlockSessionEnd(bool blocked) override { log.Add(blocked ? "block" : "unblock"); }

    fakes::CallLog log;
    bool unsaved = false;
    bool saveWorks = true;
    // What arrives once while a box or the engine's end lets messages through.
    std::function<void()> meanwhile;

private:
    void Meanwhile() {
        if (auto once = std::exchange(meanwhile, {})) once();
    }
};

// A close asks whether to end, then offers to save before the engine goes; the
// end of a session asks only to save, and ends reception only when it comes.
TEST(ExitSequence, CloseAndSessionEnd) {
    struct Case {
        const char* name;
        bool sessionEnd;  // queried, not closed
        bool answerYes;
        bool unsaved;
        bool saveWorks;
        bool goesOn;  // closes, or lets the session end
        Steps steps;
    };
    const Case cases[] = {
        {"No keeps running", false, false, false, true, false, {"hide engine"}},
        {"Yes ends", false, true, false, true, true, {"hide engine", "offer save", "unhook", "engine 22, 2", "settings"}},
        {"failed save stays", false, true, false, false, false, {"hide engine", "offer save"}},
        {"session end, nothing to save", true, true, false, true, true, {}},
        {"session end, saved", true, true, true, true, true, {"block", "offer save", "unblock"}},
        {"session end, failed save refuses it", true, true, true, false, false, {"block", "offer save", "unblock"}},
    };
    for (const Case& c : cases) {
        FakeExitSteps steps;
        steps.unsaved = c.unsaved;
        steps.saveWorks = c.saveWorks;
        fakes::FakeDialogs dialogs;
        dialogs.answerYes = c.answerYes;
        ExitSequence exit(steps, dialogs);
        EXPECT_EQ(c.goesOn, c.sessionEnd ? exit.SessionEndQueried() : exit.CloseRequested()) << c.name;
        EXPECT_EQ(c.steps, steps.log.calls) << c.name;
        const std::vector<fakes::FakeDialogs::Shown> asked{{"question", "Das Programm wirklich beenden ?", "Programmende", ""}};
        EXPECT_EQ(c.sessionEnd ? std::vector<fakes::FakeDialogs::Shown>{} : asked, dialogs.shown) << c.name;
    }
    FakeExitSteps steps;
    fakes::FakeDialogs dialogs;
    ExitSequence(steps, dialogs).SessionEnds();
    EXPECT_EQ((Steps{"unhook", "engine 22, 2", "settings"}), steps.log.calls) << "the session ends";
}

TEST(ExitSequence, OneExitAtATimeAndTheEngineEndsOnce) {
    const Steps closed{"hide engine", "offer save", "unhook", "engine 22, 2", "settings"};
    for (const char* meanwhile : {"close", "session end", "close during the session end question"}) {
        FakeExitSteps steps;
        steps.unsaved = true;
        fakes::FakeDialogs dialogs;
        ExitSequence exit(steps, dialogs);
        const std::string what = meanwhile;
        steps.meanwhile = [&] {
            if (what == "session end") return exit.SessionEnds();
            EXPECT_FALSE(exit.CloseRequested()) << what;
        };
        if (what.ends_with("question")) {
            EXPECT_TRUE(exit.SessionEndQueried());
            EXPECT_EQ((Steps{"block", "offer save", "unblock"}), steps.log.calls) << what;
            EXPECT_TRUE(dialogs.shown.empty()) << what;
            continue;
        }
        EXPECT_TRUE(exit.CloseRequested()) << what;
        EXPECT_EQ(closed, steps.log.calls) << what;
        EXPECT_EQ(1u, dialogs.shown.size()) << what;
    }
}

}  // namespace
}  // namespace zorbel
