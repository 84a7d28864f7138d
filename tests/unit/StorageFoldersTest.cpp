// Setting up a storage folder through the chooser, the start-up fallback, and the chooser's rules.

#include <gtest/gtest.h>

#include <sstream>

#include "config/FolderChooserRules.h"
#include "config/StorageFolders.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using platform::ErrorAnswer;
using platform::FolderChoice;

TEST(FolderChooserRulesTest, DriveEntriesAndStartFolder) {
    EXPECT_EQ(DriveEntryText(L'C', L"SYSTEM") + L"|" + DriveEntryText(L'D', L""), L"c: [SYSTEM]|d:");
    for (const std::wstring_view entry : {L"c: [SYSTEM]", L"c:", L"C:\\"}) EXPECT_EQ(DriveRootOf(entry), L"C:\\");
    // Only an existing weather folder on the drive, in its own case, is a start folder.
    EXPECT_EQ(ChooserStartFolder(L"C:\\", L"C:\\DATEN", true) + ChooserStartFolder(L"C:\\", L"C:\\DATEN", false) +
                  ChooserStartFolder(L"D:\\", L"C:\\DATEN", true) + ChooserStartFolder(L"c:\\", L"c:\\daten", true),
              L"C:\\DATENC:\\D:\\C:\\");
}

class StorageFoldersTest : public ::testing::Test {
protected:
    std::string State() const {
        std::ostringstream state;
        for (const auto& box : dialogs.shown)
            state << "[" << box.kind << "|" << box.prompt << "|" << box.title << "]\n";
        state << chooser.opened.size() << " times chosen; folders " << testing::PrintToString(files.folders);
        return state.str();
    }

    fakes::FakeFiles files;
    fakes::FakeFolderChooser chooser;
    fakes::FakeDialogs dialogs;
    StorageFolders folders{files, chooser, dialogs};
};

TEST_F(StorageFoldersTest, SetUpRefusesAdoptsOrCreates) {
    const std::string similar = "Ordner anlegen mit gleichen oder ähnlichen \r\nBezeichnungen ist nicht möglich! ";
    const std::string invalid = "Ein Ordnername darf keines der Zeichen \\ / : * ? \" < > | enthalten\r\n"
                                "und nicht mit einem Punkt oder Leerzeichen enden!";
    const std::string noAccess = "Fehler beim Zugriff auf Pfad/Datei";
    const std::string fileThere = "Eine Datei mit diesem Namen ist schon vorhanden!";
    const std::string device = "CON, PRN, AUX, NUL, COM1 bis COM9 und LPT1 bis LPT9 sind unter Windows Gerätenamen\r\n"
                               "und können kein Ordnername sein, auch nicht mit einer Endung!";
    const struct {
        std::wstring before;
        std::vector<std::optional<FolderChoice>> choices;  // a second one after Retry
        ErrorAnswer errorAnswer;
        std::wstring expected;
        std::string box;  // the one prompt shown, if any
        std::size_t newFolders;
    } cases[] = {
        {L"C:\\AFU", {std::nullopt}, {}, L"C:\\AFU", "", 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Abbrechen"}}, {}, L"C:\\AFU", "", 0},
        {L"C:\\AFU", {FolderChoice{L"c:\\", L"Amateurfunk"}}, {}, L"C:\\AMATEURFUNK", "", 1},
        {L"C:\\AFU", {FolderChoice{L"C:\\DATEN\\AFU", L"Afu"}}, {}, L"C:\\AFU", similar, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\AFU_ALT", L"afu"}}, {}, L"C:\\AFU", similar, 0},
        {L"C:\\AFU\\AFU", {FolderChoice{L"C:\\AFU", L"Afu"}}, {}, L"C:\\AFU", similar, 0},  // falls back
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Daten"}}, {}, L"C:\\DATEN", "Ordner ist schon vorhanden!", 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Liste.txt"}}, ErrorAnswer::Abort, L"C:\\AFU", fileThere, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Liste.txt"}}, ErrorAnswer::Ignore, L"C:\\AFU", fileThere, 0},
        {L"C:\\AFU", {FolderChoice{L"Q:\\", L"Funk"}, std::nullopt}, ErrorAnswer::Retry, L"C:\\AFU", noAccess, 0},
        {L"C:\\AFU", {FolderChoice{L"Q:\\", L"Funk"}}, ErrorAnswer::Ignore, L"Q:\\FUNK", noAccess, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Funk:Alt"}}, {}, L"C:\\AFU", invalid, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Funk."}}, {}, L"C:\\AFU", invalid, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\DATEN", L"con"}}, {}, L"C:\\AFU", device, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Nul .txt"}}, {}, L"C:\\AFU", device, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"lpt1.log"}}, {}, L"C:\\AFU", device, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"COM\u00B2"}}, {}, L"C:\\AFU", device, 0},
        {L"C:\\AFU", {FolderChoice{L"C:\\", L"Com10.Console"}}, {}, L"C:\\COM10.CONSOLE", "", 1},
    };
    for (const auto& c : cases) {
        files = {};
        files.folders = {L"C:\\", L"C:\\DATEN"};
        files.files = {{L"C:\\LISTE.TXT", ""}};
        dialogs = {};
        dialogs.errorAnswers = {c.errorAnswer};
        chooser = {};
        chooser.answers = c.choices;
        folders.Restore(L"C:\\DATEN", c.before, L"C:\\", L"", L"C:\\");
        // Q: is a drive that is gone: nothing can be made there.
        files.canCreateFolders = !c.choices[0] || c.choices[0]->wideFolder != L"Q:\\";

        folders.SetUp(StorageFolder::AmateurRadio);

        SCOPED_TRACE(testing::PrintToString(c.before) + "\n" + State());
        EXPECT_EQ(folders.Path(StorageFolder::AmateurRadio), c.expected);
        EXPECT_EQ(dialogs.shown.empty() ? "" : dialogs.shown.back().prompt, c.box);
        EXPECT_LE(dialogs.shown.size(), 1u);
        EXPECT_EQ(files.folders.size(), 2 + c.newFolders);
        EXPECT_EQ(chooser.opened.size(), c.choices.size());
        EXPECT_EQ(chooser.opened[0].folderName, L"Amateurfunk");
        for (const auto& box : dialogs.shown)
            EXPECT_EQ(box.title, box.kind == "abort/retry/ignore" ? " Fehler " : "Fehler");
    }
}

// Each folder's own proposal and tip in the chooser, and the confirmed folder taken.
TEST_F(StorageFoldersTest, EachFolderProposesItsNameAndTakesTheConfirmedFolder) {
    files.folders = {L"C:\\", L"C:\\DATEN"};
    folders.Restore(L"C:\\DATEN", L"C:\\", L"C:\\", L"", L"C:\\");
    std::wstring seen;
    for (const auto folder : {StorageFolder::Weather, StorageFolder::AmateurRadio, StorageFolder::OtherFiles,
                              StorageFolder::Navtex}) {
        chooser.answers = {FolderChoice{L"C:\\DATEN", L"Neu" + std::to_wstring(static_cast<int>(folder))}};
        folders.SetUp(folder);
        seen += chooser.opened.back().folderName + L"|" + chooser.tips.back() + L"|" + folders.Path(folder) + L"\n";
    }
    const std::wstring tipAndFolder = L"|Ordner zum Abspeichern der Wetterberichte|C:\\DATEN\\NEU";
    EXPECT_EQ(seen, L"Wetterberichte" + tipAndFolder + L"0\nAmateurfunk" + tipAndFolder + L"1\nSonstige Dateien" +
                        tipAndFolder + L"2\nNAVTEX|Ordner zum Abspeichern der NAVTEX-Meldungen|C:\\DATEN\\NEU3\n")
        << State();
}

TEST_F(StorageFoldersTest, MissingWeatherFolderAtStartUpKeepsItsStoredPathUnlessReplaced) {
    folders.Restore(L"E:\\WETTER", L"", L"C:\\GONE", L"", L"C:\\PROGS\\Wetterberichte");

    ASSERT_EQ(chooser.opened.size(), 1u) << State();
    EXPECT_EQ(chooser.opened[0].wideFolder, L"C:\\") << "the root of the current directory's drive";
    EXPECT_EQ(chooser.opened[0].folderName, L"Wetterberichte");
    EXPECT_EQ(folders.Path(StorageFolder::Weather), L"C:\\PROGS\\Wetterberichte") << "this run uses the default";
    EXPECT_EQ(folders.PathToStore(StorageFolder::Weather), L"E:\\WETTER") << "the drive may come back";
    EXPECT_EQ(folders.Path(StorageFolder::OtherFiles), L"C:\\GONE") << "only the weather folder is looked up";

    chooser.answers = {FolderChoice{L"C:\\DATEN", L"Neu"}, std::nullopt};
    folders.SetUp(StorageFolder::Weather);
    folders.SetUp(StorageFolder::OtherFiles);
    EXPECT_EQ(folders.PathToStore(StorageFolder::Weather), L"C:\\DATEN\\NEU");
    EXPECT_EQ(chooser.opened[2].wideFolder, L"C:\\DATEN\\NEU") << "opens at the weather folder on its drive";
}

// "Ablageordner öffnen": each folder its own, a missing one made first, a box only when nothing opens.
TEST_F(StorageFoldersTest, ShowOpensTheChosenFolderInTheFileManager) {
    files.folders = {L"C:\\WETTER", L"C:\\AFU"};
    folders.Restore(L"C:\\WETTER", L"C:\\AFU", L"C:\\NEU", L"", L"C:\\PROGS\\Wetterberichte");
    const struct {
        StorageFolder folder;
        bool canCreate, canShow;
        const wchar_t* shown;  // "" when the shell was not asked
        const char* box;
    } cases[] = {
        {StorageFolder::AmateurRadio, true, true, L"C:\\AFU", ""},
        {StorageFolder::Weather, true, true, L"C:\\WETTER", ""},
        {StorageFolder::OtherFiles, false, true, L"", "Der Ordner „C:\\NEU“ ist nicht vorhanden und lässt sich nicht anlegen."},
        {StorageFolder::OtherFiles, true, false, L"C:\\NEU", "Der Ordner „C:\\NEU“ lässt sich nicht im Explorer öffnen."},
    };
    for (const auto& c : cases) {
        fakes::FakeFolderShell shell;
        shell.canShow = c.canShow;
        files.canCreateFolders = c.canCreate;
        dialogs.shown.clear();
        folders.Show(c.folder, shell);
        EXPECT_EQ(shell.shown.empty() ? L"" : shell.shown.front(), std::wstring(c.shown)) << State();
        EXPECT_EQ(shell.shown.size(), *c.shown ? 1u : 0u) << State();
        EXPECT_EQ(dialogs.shown.empty() ? "" : dialogs.shown.front().prompt + "|" + dialogs.shown.front().title,
                  *c.box ? std::string(c.box) + "|Ablageordner öffnen" : "")
            << State();
    }
    EXPECT_TRUE(files.folders.count(L"C:\\NEU")) << "made before it was shown";
}

}  // namespace
}  // namespace zorbel
