#pragma once
// What the user sees of the engine link and the engine commands: status
// panel texts, box texts and the notch filter's question. UTF-8.

#include <array>
#include <string_view>

namespace zorbel {

// Status panel 1 after opening the link
inline constexpr std::string_view kStatusReady = "Status: Bereit";
inline constexpr std::string_view kStatusEngineMissing = "Status: MMTTY nicht gefunden!";
inline constexpr std::string_view kStatusNoEngineConnection = "Status: Keine Verbindung zur Engine";

// The engine linked before went away during reception
inline constexpr std::string_view kEngineGoneTitle = "Verbindung zur Engine verloren";
inline constexpr std::string_view kEngineGonePrompt =
    "Die Engine ist nicht mehr da: ihr Fenster wurde geschlossen, oder das Programm ist abgestürzt. "
    "Der Empfang ist beendet.\r\nEin Klick auf „mitschreiben“ startet die Engine neu und schaltet den Empfang "
    "wieder ein.";

// The shared block could not be prepared
inline constexpr std::string_view kFatalErrorTitle = "Katastrophaler Fehler";
inline constexpr std::string_view kMappingFailedPrompt = "Der gemeinsame Speicher für die Engine lässt sich nicht anlegen (CreateFileMapping).";
inline constexpr std::string_view kViewFailedPrompt = "Der gemeinsame Speicher für die Engine lässt sich nicht einblenden (MapViewOfFile).";

// A command found no engine, or the engine did not answer
inline constexpr std::string_view kNoEngineConnectionPrompt =
    "Es konnte keine Verbindung zur Engine hergestellt werden!";
inline constexpr std::string_view kNoEngineConnectionTitle = "Fehler";

// The notch filter's question; the last two prompt lines are followed by Str(notch) & " Hz"
inline constexpr std::string_view kPromptLineBreak = "\r\n";
inline constexpr std::array<std::string_view, 5> kNotchPromptLines{
    "Bitte die Notch-Frequenz eingeben (in Hz).", "", "Orientieren Sie sich dabei an der",
    "Markfrequenz (linke 'Zacke').", ""};
inline constexpr std::string_view kNotchPromptNotch1 = "Stand: Notch 1 ";
inline constexpr std::string_view kNotchPromptNotch2 = "           Notch 2 ";
inline constexpr std::string_view kNotchPromptUnit = " Hz";
inline constexpr std::string_view kNotchTitlePrefix = " Notch ";
inline constexpr std::string_view kNotchTitleSuffix = " - Frequenz Eingabe";
inline constexpr std::string_view kNotchRangePrompt = "Bitte eine Frequenz zwischen 0 und 32767 Hz eingeben.";
inline constexpr std::string_view kNotchRangeTitle = "Notchfilter";

}  // namespace zorbel
