#pragma once
// Program-wide values: the texts, limits and names that the whole program
// shares. UI texts are UTF-8; texts that reach the Rx window, the engine or a
// file are plain ASCII, so they are valid 8-bit ANSI as well.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/CaptureSettings.h"
#include "config/EngineTexts.h"
#include "config/Version.h"
#include "platform/MenuChecks.h"

namespace zorbel::values {

// Receive pipeline
inline constexpr std::size_t kLongLineLimit = 80;  // a buffer of 81 characters is flushed
inline constexpr int kRxLineCountStart = 1;
inline constexpr std::string_view kLinesPanelPrefix = "Zeilen:";

// Keys of the Rx window that the line count follows
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyDelete = 46;

// Line break of message lines and file lines
inline constexpr std::string_view kNewLine = "\r\n";

// The record button's captions
inline constexpr std::string_view kRecordCaptionAtStart = "&Text mitlesen";
inline constexpr std::string_view kRecordCaptionRunning = "&Stop";
inline constexpr std::string_view kRecordCaptionEnded = "&mitschreiben";

// Status panel 1; "ready" is the same text the engine link shows once linked
inline constexpr std::string_view kStatusReady = zorbel::kStatusReady;
inline constexpr std::string_view kStatusWriting = "Status: mitschreiben";
inline constexpr std::string_view kStatusWaiting = "Status: warten";
inline constexpr std::string_view kStatusSaving = "Status: mitspeichern";
inline constexpr std::string_view kStatusSaveFailed = "Status: Speichern fehlgeschlagen";

// A character code the receive path refuses: the runtime's "invalid
// argument" (error 5) with the title " Fehler: " & Str(5)
inline constexpr std::string_view kCharacterErrorPrompt = "Ungültiger Prozeduraufruf oder ungültiges Argument";
inline constexpr std::string_view kCharacterErrorTitle = " Fehler:  5";

// Set-up failures that keep reception off
inline constexpr std::string_view kSetUpFailedTitle = "Empfang nicht möglich";
inline constexpr std::string_view kRxWindowMissingPrompt =
    "Das Rx-Fenster konnte nicht angelegt werden (die RichEdit-Bibliothek Msftedit.dll fehlt).\r\n"
    "Ohne Rx-Fenster bleibt der Empfang ausgeschaltet.";
inline constexpr std::string_view kEngineHookFailedPrompt =
    "Die Fensterprozedur für die Zeichen der Engine konnte nicht eingerichtet werden.\r\n"
    "Der Empfang bleibt ausgeschaltet.";

// The capture folder is missing and cannot be made; the folder's path goes between the two parts
inline constexpr std::string_view kMissingFolderTitle = "Ordner zum Abspeichern fehlt";
inline constexpr std::string_view kMissingFolderPromptStart = "Der Ordner zum automatischen Abspeichern\r\n\r\n";
inline constexpr std::string_view kMissingFolderPromptEnd =
    "\r\n\r\nist nicht vorhanden und lässt sich nicht anlegen. Die Wetterberichte erscheinen deshalb im "
    "Rx-Fenster.\r\nEinen anderen Ordner legen Sie unter \"Einstellungen\", \"Ordner zum Abspeichern\", "
    "\"sonstige Dateien\" fest.";

// The question before reception start and the Rx format it resets to
inline constexpr std::string_view kClearRxPrompt = "Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?";
inline constexpr std::string_view kClearRxTitle = "Text löschen ?";
inline constexpr std::string_view kRxFontName = "Courier New";
inline constexpr int kRxFontSize = 10;

// Message lines in the Rx window: label & now [& " (vom " & date & " UTC)"] & CR LF
inline constexpr std::string_view kMessageBegin = "Beginn: ";
inline constexpr std::string_view kMessageEnd = "Ende: ";
inline constexpr std::string_view kMessageStart = "Start: ";
inline constexpr std::string_view kMessageStop = "Stop: ";
inline constexpr std::string_view kMessageStartSaving = "Start Speichern: ";
inline constexpr std::string_view kMessageStopSaving = "Stop Speichern: ";
inline constexpr std::string_view kMessageDateOpen = " (vom ";
inline constexpr std::string_view kMessageDateClose = " UTC)";

// Weather bulletins
inline constexpr std::string_view kWeatherOriginator = "EDZW";
inline constexpr std::size_t kBulletinHeadLength = 12;  // "EDZW" counts only inside these
inline constexpr std::size_t kBulletinTypeLength = 4;   // e.g. "SMDL"
inline constexpr std::string_view kCaptureFilePrefix = "Synop";
inline constexpr std::string_view kCaptureFileExtension = ".txt";
// Until the user chooses folders, everything goes below the current directory.
inline constexpr std::string_view kDefaultFolderName = "Wetterberichte";

// Capture categories

// Word lists: list text format and the prompts in the empty edit fields
inline constexpr char kListEntryEnd = ',';
inline constexpr std::string_view kStartWordPrompt = "Startwort";
inline constexpr std::string_view kStopWordPrompt = "Stopwort";

// Word themes
inline constexpr std::string_view kThemeOstsee = "Ostsee";
inline constexpr std::string_view kThemeNordsee = "Nordsee";
inline constexpr std::string_view kThemeAtlantik = "Atlantik";
inline constexpr std::string_view kThemeMittelmeer = "Mittelmeer";
inline constexpr std::string_view kThemeAllgemein = "allgemein";
inline constexpr std::string_view kThemeAFu = "AFu";
inline constexpr std::string_view kThemeAlles = "alles";
inline constexpr std::string_view kDefaultTheme = kThemeOstsee;

// Window captions. Both spacings are intended: the caption at load and after
// linking the engine has three blanks after "ZORBEL", a theme's title two.
inline constexpr std::string_view kCaptionAtLoad = "ZORBEL   V" ZORBEL_VERSION_TEXT;
// Once the engine program is found, the caption names the program's purpose.
inline constexpr std::string_view kCaptionLinked = "ZORBEL   V" ZORBEL_VERSION_TEXT "  Wetterbericht";
// A theme's title is this prefix and the theme's suffix.
inline constexpr std::string_view kThemeTitlePrefix = "ZORBEL  V" ZORBEL_VERSION_TEXT;
inline constexpr std::string_view kTitleSuffixWeather = "  Wetterbericht";
inline constexpr std::string_view kTitleSuffixMailbox = "  RTTY-Mailbox";
inline constexpr std::string_view kTitleSuffixGeneral = "  allgemeiner Fernschreibempfang";

// Settings keys of the word lists and flags; a list key is followed by the theme name
inline constexpr std::string_view kKeyNoStartWord = "NoStartWort";
inline constexpr std::string_view kKeyNoStopWord = "NoStopWort";
inline constexpr std::string_view kKeyStartWordList = "StartWort";
inline constexpr std::string_view kKeyStopWordList = "StopWort";
inline constexpr std::string_view kKeyTheme = "StartWortTema";

// Presets, in list text format. Each theme has three start lists: one for the
// menu, one for restoring it at start-up and one for "Standard &Wörter".
inline constexpr std::string_view kWeatherStopList = "NNNN,RYRYRY,ZCZC,";
inline constexpr std::string_view kStartUpDefaultStartList = "FQEN,WODL,FEBQ,NOXX,SXEN,WWXX,NODL,WOEN,WOBQ,";

struct ThemePreset {
    std::string_view theme;
    platform::MenuEntry menu;
    CaptureCategory category;
    std::string_view titleSuffix;
    std::string_view menuStartList;  // "alles" leaves the lists as they are
    std::string_view startUpStartList;
    std::string_view resetStartList;
    std::string_view stopList;
};

inline constexpr std::string_view kAllgemeinStartList =
    "FQEN,FQMM,WODL,SXMM,FQNT,FQEW,FEMM,SXEN,NOXX,FEBQ,FEEN,WWXX,NODL,WOEN,WOBQ,";

inline constexpr std::array<ThemePreset, 7> kThemePresets{{
    {kThemeOstsee, platform::MenuEntry::WetterOstsee, CaptureCategory::Weather, kTitleSuffixWeather,
     "FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,", "FQEN,WODL,SXEN,NOXX,FEBQ,WWXX,NODL,WOEN,WOBQ,",
     "FQEN,WODL,SXEN,NODL,NOXX,FEBQ,WWXX,WOEN,WOBQ,", kWeatherStopList},
    {kThemeNordsee, platform::MenuEntry::WetterNordsee, CaptureCategory::Weather, kTitleSuffixWeather,
     "FQEN,WODL,FQEW,SXEN,NOXX,FEEN,WWXX,WOEN,NODL,", "FQEN,WODL,FQEW,SXEN,NOXX,FEEN,WOEN,NODL,WWXX,",
     "FQEN,WODL,FQEW,SXEN,NOXX,FEEN,WWXX,WOEN,NODL,", kWeatherStopList},
    {kThemeAtlantik, platform::MenuEntry::WetterAtlantik, CaptureCategory::Weather, kTitleSuffixWeather,
     "FQNT,FQEW,SSVX,NODL,NOXX,WWXX,", "FQNT,FQEW,NOXX,WWXX,NODL,", "FQNT,FQEW,NOXX,WWXX,NODL,",
     kWeatherStopList},
    {kThemeMittelmeer, platform::MenuEntry::WetterMittelmeer, CaptureCategory::Weather, kTitleSuffixWeather,
     "FEMM,FQMM,SXMM,NODL,NOXX,WWXX,", "FQMM,SXMM,FEMM,NODL,NOXX,WWXX,NODL,", "FQMM,SXMM,FEMM,NOXX,WWXX,NODL,",
     kWeatherStopList},
    {kThemeAllgemein, platform::MenuEntry::WetterAlle, CaptureCategory::Weather, kTitleSuffixWeather, kAllgemeinStartList,
     kAllgemeinStartList, kAllgemeinStartList, kWeatherStopList},
    {kThemeAFu, platform::MenuEntry::AFu, CaptureCategory::AmateurRadio, kTitleSuffixMailbox, "CQ,Call..,", "CQ,Call..,",
     "CQ,Call..,", "73,"},
    {kThemeAlles, platform::MenuEntry::Alles, CaptureCategory::Everything, kTitleSuffixGeneral, "", kStartUpDefaultStartList, "",
     kWeatherStopList},
}};

// Memory display
inline constexpr std::uint32_t kMemoryShortBelowFreePercent = 10;
inline constexpr std::string_view kMemoryReportTotal = " Ram-Speicher: ";
inline constexpr std::string_view kMemoryReportFree = "     Frei: ";
inline constexpr std::string_view kMemoryReportLoad = "     Speicherauslastung: ";
inline constexpr std::string_view kKiloByteUnit = " KByte";
inline constexpr std::string_view kPercentUnit = " %";
inline constexpr std::string_view kMemoryReportTitle = "RAM - Speicher";
inline constexpr std::string_view kMemoryWarningPrompt = "Verfügbarer Ramspeicher: ";
inline constexpr std::string_view kMemoryWarningTitle = "Warnung";
inline constexpr std::string_view kMemoryPanelPrefix = "Speicherauslastung: ";

}  // namespace zorbel::values
