// zorbel-navtex: the NAVTEX messages in decoded text (what zorbel-decode --navtex prints).
//   zorbel-navtex [--frequency 490|518|4209.5] [FILE]     standard input without FILE
// Each message once, repeats folded, with its station, subject in German, character error rate and
// whether its header was recovered or its end lost. A file that cannot be read: exit status 2.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "console/StandardOutput.h"
#include "console/Utf8Arguments.h"
#include "navtex/MessageList.h"
#include "navtex/MessageMemory.h"
#include "navtex/MessageReader.h"
#include "navtex/StationTable.h"
#include "navtex/Subjects.h"

namespace {

constexpr int kFault = 2;

std::optional<std::string> ReadAll(const std::string& utf8Path) {
    if (utf8Path.empty()) {
        zorbel::console::MakeStandardInputBinary();
        return std::string{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    }
    std::ifstream file(zorbel::console::PathFromUtf8(utf8Path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return bytes;
}

std::optional<int> FrequencyHz(const std::string& kHz) {
    if (kHz == "490") return navtex::k490kHz;
    if (kHz == "518") return navtex::k518kHz;
    if (kHz == "4209.5" || kHz == "4209,5") return navtex::k4209kHz;
    return std::nullopt;
}

std::string Heading(const navtex::StoredMessage& stored) {
    const navtex::NavtexMessage& m = stored.message;
    const navtex::Station* station = navtex::FindStation(stored.frequencyHz, m.Station());
    std::string heading = m.id + "  " +
                          (station ? std::string(station->name) + " (" + std::string(station->country) + ")"
                                   : std::string("Station ") + m.Station() + " unbekannt") +
                          "  " + std::string(navtex::SubjectName(m.Subject()));
    heading += "  CER " + navtex::ErrorRateText(m);
    if (m.headerRecovered) heading += m.IdentityKnown() ? "  Kopf wiederhergestellt" : "  Kopf beschädigt";
    if (!m.complete) heading += "  unvollständig";
    if (stored.timesReceived > 1) heading += "  " + std::to_string(stored.timesReceived) + "× empfangen";
    if (navtex::SubjectIsAlarm(m.Subject())) heading = "!!! " + heading;
    return heading;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = zorbel::console::Utf8Arguments(argc, argv);
    int frequencyHz = navtex::k518kHz;
    std::string file;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--frequency" && i + 1 < arguments.size() && FrequencyHz(arguments[i + 1])) {
            frequencyHz = *FrequencyHz(arguments[++i]);
        } else if (!arguments[i].starts_with("--") && file.empty()) {
            file = arguments[i];
        } else {
            std::fprintf(stderr, "Aufruf: zorbel-navtex [--frequency 490|518|4209.5] [DATEI]\n");
            return kFault;
        }
    }
    const std::optional<std::string> text = ReadAll(file);
    if (!text) {
        std::fprintf(stderr, "zorbel-navtex: %s: Datei nicht lesbar\n", file.c_str());
        return kFault;
    }
    navtex::MessageReader reader;
    std::vector<navtex::NavtexMessage> messages = reader.Read(*text);
    if (std::optional<navtex::NavtexMessage> last = reader.EndOfSignal()) messages.push_back(std::move(*last));
    // One recording: all within the 72 hours.
    navtex::MessageMemory memory;
    for (navtex::NavtexMessage& message : messages) memory.Receive(frequencyHz, std::move(message), 0);
    zorbel::console::ShowUtf8OnConsole();
    for (const navtex::StoredMessage& stored : memory.Messages()) {
        const std::string shown = Heading(stored) + "\n" + stored.message.text + "\n\n";
        std::fwrite(shown.data(), 1, shown.size(), stdout);
    }
    return 0;
}
