#include "capture/NavtexReception.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <variant>

#include "codepage/Cp1252.h"
#include "codepage/Utf8.h"
#include "config/FolderPath.h"
#include "navtex/MessageList.h"
#include "navtex/StationTable.h"
#include "navtex/Subjects.h"
#include "navtex/UtcTime.h"

namespace zorbel {
namespace {

constexpr std::string_view kTitle = "NAVTEX";
constexpr std::uint64_t kLargestMemoryBytes = 64ull << 20;
// Header after header with nothing between: no station sends so; noise or a
// wrong mode does.
constexpr int kEmptyMessagesForFlood = 20;

std::string Cp1252FromUtf8(std::string_view utf8Text) {
    return WideToCp1252(DecodeUtf8(utf8Text).value_or(std::wstring()));
}

bool IsNavtexFrequency(int frequencyHz) {
    return std::ranges::find(navtex::kFrequencies, frequencyHz) != navtex::kFrequencies.end();
}

// "2026-12-07_0810_SA01.txt": the message's reception and identity; a character the header lost is "-".
std::wstring NavtexFileName(navtex::UtcSeconds received, std::string_view id) {
    const navtex::UtcCalendar c = navtex::ToCalendar(received);
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d%02d_", c.year, c.month, c.day, c.hour, c.minute);
    std::wstring wide = Cp1252ToWide(name);
    for (const char character : id) wide += character == navtex::kUnknown ? L'-' : static_cast<wchar_t>(character);
    return wide + L".txt";
}

// A heading line with frequency, station, subject, reception and error rate, then the message.
std::string Cp1252NavtexFileText(const navtex::StoredMessage& stored) {
    const navtex::NavtexMessage& m = stored.message;
    const navtex::Station* station = navtex::FindStation(stored.frequencyHz, m.Station());
    const navtex::UtcCalendar c = navtex::ToCalendar(stored.lastReceived);
    char when[48];
    std::snprintf(when, sizeof when, "%02d.%02d.%04d %02d:%02d UTC", c.day, c.month, c.year, c.hour, c.minute);
    const std::string utf8Heading =
        "NAVTEX " + navtex::FrequencyText(stored.frequencyHz) + ", Station " + m.Station() + " " +
        (station ? std::string(station->name) : std::string("unbekannt")) + ", " +
        std::string(navtex::SubjectName(m.Subject())) + ", empfangen " + when + ", Fehler " + navtex::ErrorRateText(m) +
        (m.complete ? "" : ", unvollständig");
    return Cp1252FromUtf8(utf8Heading) + "\r\n" + navtex::Cp1252MessageShownText(stored) + "\r\n";
}

}  // namespace

navtex::UtcSeconds NavtexReception::Now() const {
    const platform::DateTime t = parts_.clock.UtcNow();
    return navtex::ToUtcSeconds({t.year, t.month, t.day, t.hour, t.minute, t.second});
}

void NavtexReception::SetFrequency(int frequencyHz) {
    if (!IsNavtexFrequency(frequencyHz)) return;
    parts_.settings.navtexFrequencyHz = frequencyHz;
    Changed();
}

void NavtexReception::Open(std::wstring wideFolder) {
    if (!IsNavtexFrequency(FrequencyHz())) parts_.settings.navtexFrequencyHz = navtex::k518kHz;
    TakeFolder(std::move(wideFolder));
}

void NavtexReception::MoveTo(std::wstring wideFolder) {
    // The same folder again: its memory may lag behind the list while writing fails.
    if (wideFolder != folder_) TakeFolder(std::move(wideFolder));
}

void NavtexReception::TakeFolder(std::wstring wideFolder) {
    folder_ = std::move(wideFolder);
    memoryWritable_ = true;
    reported_ = false;
    if (!LoadMemory() && !memory_.Messages().empty()) memoryWaiting_ = true;
    memory_.Forget(Now());
    WriteWaiting();
    Changed();
}

bool NavtexReception::LoadMemory() {
    const std::wstring path = JoinFolder(folder_, kNavtexMemoryName);
    if (!parts_.folders.FileExists(path)) return false;
    const auto stored = parts_.files.ReadAll(path, kLargestMemoryBytes);
    memory_ = {};
    const std::string* text = std::get_if<std::string>(&stored);
    if (text) {
        if (auto loaded = navtex::MessageMemory::Load(*text)) {
            memory_ = std::move(*loaded);
            return true;
        }
        // Damaged: kept beside under a name of its own, and the memory starts empty.
        if (!parts_.files.WriteReplacing(JoinFolder(folder_, kNavtexDamagedMemoryName), *text)) {
            parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation,
                                       "Der NAVTEX-Speicher „" + EncodeUtf8(path) +
                                           "“ war beschädigt. Er liegt jetzt als „" +
                                           EncodeUtf8(kNavtexDamagedMemoryName) +
                                           "“ daneben; die Liste beginnt leer.",
                                       kTitle);
            return true;
        }
    }
    // Unreadable, too large, or not to be set aside: it stays untouched, and the memory is not written over it.
    memoryWritable_ = false;
    const auto* failure = std::get_if<platform::FileFailure>(&stored);
    parts_.dialogs.ShowMessage(
        platform::MessageIcon::Exclamation,
        "Der NAVTEX-Speicher „" + EncodeUtf8(path) + "“ ließ sich nicht lesen" +
            (failure ? ": " + failure->utf8Reason : std::string(".")) +
            "\r\nDie Datei bleibt unverändert; die Liste beginnt leer, neue Meldungen werden einzeln gespeichert.",
        kTitle);
    return true;
}

void NavtexReception::TakeCharacter(char cp1252Character) {
    for (navtex::NavtexMessage& message : reader_.Read(std::string_view(&cp1252Character, 1)))
        Arrive(std::move(message));
}

void NavtexReception::EndOfSignal() {
    if (auto last = reader_.EndOfSignal()) Arrive(std::move(*last));
}

void NavtexReception::Arrive(navtex::NavtexMessage message) {
    const bool empty = message.text.empty();
    const std::string id = message.id;
    const navtex::UtcSeconds now = Now();
    memory_.Forget(now);
    const navtex::Arrival arrival = memory_.Receive(FrequencyHz(), std::move(message), now);
    // Search and rescue sounds, as on a NAVTEX receiver; once, not at each repeat.
    if (arrival == navtex::Arrival::kShown && navtex::SubjectIsAlarm(id[1])) parts_.dialogs.Beep();
    if (arrival != navtex::Arrival::kFolded) {
        // The row shown or replaced: the latest of this frequency and identity.
        const navtex::StoredMessage& stored = *std::find_if(
            memory_.Messages().rbegin(), memory_.Messages().rend(),
            [&](const navtex::StoredMessage& s) { return s.frequencyHz == FrequencyHz() && s.message.id == id; });
        waiting_.push_back({NavtexFileName(now, id), Cp1252NavtexFileText(stored)});
    }
    memoryWaiting_ = true;
    WriteWaiting();
    Changed();
    emptyInARow_ = empty ? emptyInARow_ + 1 : 0;
    if (emptyInARow_ >= kEmptyMessagesForFlood && !floodReported_) {
        floodReported_ = true;
        parts_.dialogs.ShowMessage(
            platform::MessageIcon::Exclamation,
            "Es kommen viele NAVTEX-Köpfe ohne Text an: vermutlich Störungen oder eine falsche Betriebsart der "
            "Engine.\r\nJede Meldung bleibt in der Liste und wird gespeichert.",
            kTitle);
    }
}

void NavtexReception::WriteWaiting() {
    if (waiting_.empty() && !memoryWaiting_) return;
    if (TryWriting()) {
        reported_ = false;
        return;
    }
    // Said once, until writing works again.
    if (!std::exchange(reported_, true))
        SayWhyNotWritten("Die Meldungen bleiben in der Liste und werden gespeichert, sobald es wieder geht.");
}

void NavtexReception::WriteAtExit() {
    if ((waiting_.empty() && !memoryWaiting_) || TryWriting()) return;
    SayWhyNotWritten(waiting_.empty() ? "Die Liste der letzten 72 Stunden fehlt beim nächsten Start."
                                      : std::to_string(waiting_.size()) +
                                            " Meldung(en) gehen mit dem Programmende verloren.");
}

void NavtexReception::SayWhyNotWritten(const std::string& utf8Consequence) {
    const std::string folder = EncodeUtf8(folder_);
    parts_.dialogs.ShowMessage(
        platform::MessageIcon::Exclamation,
        (parts_.folders.FileExists(folder_) ? "Eine Datei „" + folder + "“ steht dem NAVTEX-Ordner im Weg."
                                            : "In den NAVTEX-Ordner „" + folder + "“ lässt sich nicht schreiben.") +
            "\r\n" + utf8Consequence,
        kTitle);
}

bool NavtexReception::TryWriting() {
    if (!parts_.folders.FolderExists(folder_) && !parts_.folders.CreateDirectories(folder_)) return false;
    while (!waiting_.empty()) {
        const WaitingFile& file = waiting_.front();
        if (parts_.files.WriteReplacing(FreePath(file.wideName), file.cp1252Text)) return false;
        waiting_.erase(waiting_.begin());
    }
    if (memoryWaiting_ && memoryWritable_) {
        if (parts_.files.WriteReplacing(JoinFolder(folder_, kNavtexMemoryName), memory_.Save())) return false;
    }
    memoryWaiting_ = false;
    return true;
}

// A second message of the same minute and identity (serial 00) gets a name of its own.
std::wstring NavtexReception::FreePath(const std::wstring& wideName) const {
    const std::wstring stem = wideName.substr(0, wideName.size() - 4);
    std::wstring path = JoinFolder(folder_, wideName);
    for (int n = 2; parts_.folders.FileExists(path); ++n)
        path = JoinFolder(folder_, stem + L" (" + std::to_wstring(n) + L").txt");
    return path;
}

void NavtexReception::Changed() {
    if (changed_) changed_();
}

}  // namespace zorbel
