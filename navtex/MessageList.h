#pragma once
// What the NAVTEX window lists of the memory: the messages received on the
// receiver's frequency, one row each with its repeats counted, newest first;
// search and rescue (and piracy) apart from the others, whatever the filters;
// the subjects and the station shown, where navigational and meteorological
// warnings and search and rescue cannot be switched off; and the next
// broadcast of each station of the frequency.

#include <array>
#include <string>
#include <vector>

#include "navtex/MessageMemory.h"
#include "navtex/StationTable.h"

namespace navtex {

struct ListRow {
    std::size_t message = 0;  // index into MessageMemory::Messages()
    // UTF-8 cells in the order of ListHeadings().
    std::vector<std::string> cells;
};

struct Broadcast {
    UtcSeconds start = 0;
    std::string utf8Text;  // "08:40  E  Niton"
};

// Zeit (UTC), Station, Thema, Nr., Fehler, Ende, Empfangen.
const std::vector<std::string>& ListHeadings();

class MessageList {
public:
    explicit MessageList(const MessageMemory& memory) : memory_(memory) { shown_.fill(true); }

    void SetFrequency(int frequencyHz) { frequencyHz_ = frequencyHz; }
    int FrequencyHz() const { return frequencyHz_; }

    // A, B, D and L stay shown whatever is asked.
    void ShowSubject(char b2, bool shown);
    bool SubjectShown(char b2) const;
    // A station letter, or 0 for all stations.
    void ShowStation(char letter) { station_ = letter; }

    // Search and rescue, newest first, unfiltered: it cannot be missed.
    std::vector<ListRow> AlarmRows() const;
    // The others that pass the filters, newest first.
    std::vector<ListRow> OtherRows() const;

    // The stations of the frequency, soonest broadcast first.
    std::vector<Broadcast> NextBroadcasts(UtcSeconds now) const;

private:
    ListRow Row(std::size_t index) const;
    bool Passes(const StoredMessage& stored) const;

    const MessageMemory& memory_;
    int frequencyHz_ = k518kHz;
    std::array<bool, 26> shown_{};  // by subject letter
    char station_ = 0;
};

// "518 kHz", "4209,5 kHz".
std::string FrequencyText(int frequencyHz);
// "1,5 %": the character error rate with a decimal comma.
std::string ErrorRateText(const NavtexMessage& message);

// The chosen message as the text box shows it: its header, text and end,
// with CR LF line ends (Windows' edit control takes no lone LF); code page
// 1252 as received.
std::string Cp1252MessageShownText(const StoredMessage& stored);

}  // namespace navtex
