// Loading and saving all settings: a first run, values that read back unchanged, hand-edited values.

#include <gtest/gtest.h>

#include "config/ListText.h"
#include "config/ProgramSettings.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

class ProgramSettingsTest : public ::testing::Test {
protected:
    // Every write in order as "key=value;".
    std::wstring Written() const {
        std::wstring written;
        for (const auto& key : store.writtenKeys) written += key + L"=" + store.values.at(key) + L";";
        return written;
    }

    fakes::FakeSettingsStore store;
    fakes::FakeThemeControls controls;
    fakes::FakeMenuChecks checks;
    fakes::FakeWordListView view;
    WordLists lists{view};
    CaptureSettings capture;
    WordThemes themes{controls, checks, lists, store, capture};
    fakes::FakeFiles files;
    fakes::FakeFolderChooser chooser;
    fakes::FakeDialogs dialogs;
    StorageFolders folders{files, chooser, dialogs};
    ProgramSettings settings{store, themes, lists, capture, folders};
};

TEST_F(ProgramSettingsTest, FirstRunTakesTheDefaultsAndSavesEveryKeyInOrder) {
    settings.Load(L"C:\\PROGS");
    EXPECT_EQ(chooser.opened.size(), 1u) << "no weather folder yet: the chooser opens";
    settings.Save(settings.StoredSize());

    EXPECT_EQ(Written(), L"FHöhe=6075;FBreite=9000;NoStartWort=False;NoStopWort=False;AutomSpeichern=True;"
                         L"StartWortOstsee=FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,;"
                         L"StopWortOstsee=NNNN,RYRYRY,ZCZC,;StartWortTema=Ostsee;"
                         L"SpeicherOrdner=C:\\PROGS\\Wetterberichte;SpeicherOrdnerAFu=C:\\PROGS\\Wetterberichte;"
                         L"SpeicherOrdnerSyn=C:\\PROGS\\Wetterberichte;SpeicherOrdnerNavtex=C:\\PROGS\\NAVTEX;"
                         L"NavtexFrequenz=518000;");
}

// Folders still on the default, which does not exist, follow the weather folder chosen at a first start.
TEST_F(ProgramSettingsTest, WeatherFolderChosenAtAFirstStartTakesTheFoldersStillOnTheDefault) {
    store.values[L"SpeicherOrdnerAFu"] = L"D:\\FUNK";
    chooser.answers = {platform::FolderChoice{L"C:\\DATEN", L"Wetter"}};
    settings.Load(L"C:\\PROGS");
    EXPECT_EQ(capture.wideCaptureFolder, L"C:\\DATEN\\WETTER") << "automatic saving goes there";
    settings.Save(settings.StoredSize());
    EXPECT_EQ(store.values.at(L"SpeicherOrdner") + L"|" + store.values.at(L"SpeicherOrdnerAFu") + L"|" +
                  store.values.at(L"SpeicherOrdnerSyn") + L"|" + store.values.at(L"SpeicherOrdnerNavtex"),
              L"C:\\DATEN\\WETTER|D:\\FUNK|C:\\DATEN\\WETTER|C:\\DATEN\\NAVTEX") << "NAVTEX beside the weather";
}

TEST_F(ProgramSettingsTest, EveryValueWrittenReadsBackUnchanged) {
    const std::wstring stored = L"FHöhe=4000;FBreite=12345;NoStartWort=False;NoStopWort=True;AutomSpeichern=False;"
                                L"StartWortAFu=CQ,ÄÖÜß€,,;StopWortAFu=73,SK,;StartWortTema=AFu;"
                                L"SpeicherOrdner=D:\\ПОГОДА;SpeicherOrdnerAFu=C:\\FUNK;"
                                L"SpeicherOrdnerSyn=\\\\SERVER\\TEILEN\\SONSTIGE;SpeicherOrdnerNavtex=E:\\NAVTEX;"
                                L"NavtexFrequenz=490000;";
    for (std::size_t at = 0, end; (end = stored.find(L';', at)) != std::wstring::npos; at = end + 1) {
        const auto equals = stored.find(L'=', at);
        store.values[stored.substr(at, equals - at)] = stored.substr(equals + 1, end - equals - 1);
    }
    store.values[L"StartWortOstsee"] = L"another theme's list";
    files.folders = {L"D:\\ПОГОДА"};

    settings.Load(L"C:\\PROGS");
    EXPECT_EQ(FormatListText(lists.StartWords()), "CQ,\xC4\xD6\xDC\xDF\x80,,") << "code page 1252 in the lists";
    EXPECT_EQ(capture.wideCaptureFolder, L"\\\\SERVER\\TEILEN\\SONSTIGE") << "automatic saving goes there";
    settings.Save(settings.StoredSize());

    EXPECT_EQ(Written(), stored);
    EXPECT_EQ(store.values.at(L"StartWortOstsee"), L"another theme's list");
}

TEST_F(ProgramSettingsTest, HandEditedValuesFallBackToTheirDefaults) {
    store.values = {{L"FHöhe", L"hoch"},         {L"FBreite", L"7200,5"},          {L"AutomSpeichern", L"Falsch"},
                    {L"StartWortTema", L""},     {L"StartWortOstsee", L""},        {L"StopWortOstsee", L"NNNN"},
                    {L"SpeicherOrdnerAFu", L""}, {L"SpeicherOrdner", L"Z:\\WEG"}};
    settings.Load(L"C:\\");

    EXPECT_EQ(settings.StoredSize().height, 6075);
    EXPECT_EQ(settings.StoredSize().width, 7201);
    EXPECT_FALSE(capture.autoSave);
    EXPECT_EQ(themes.Theme(), "Ostsee");
    EXPECT_EQ(FormatListText(lists.StartWords()), "FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,")
        << "an emptied list loads as the theme's default";
    EXPECT_EQ(FormatListText(lists.StopWords()), "") << "an entry without its comma is lost";
    EXPECT_EQ(folders.Path(StorageFolder::AmateurRadio), L"C:\\Wetterberichte") << "one backslash at a root";
    EXPECT_EQ(folders.PathToStore(StorageFolder::Weather), L"Z:\\WEG") << "a folder on a drive that is gone";
}

}  // namespace
}  // namespace zorbel
