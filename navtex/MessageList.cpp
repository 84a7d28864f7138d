#include "navtex/MessageList.h"

#include <algorithm>
#include <cstdio>

#include "navtex/Subjects.h"
#include "navtex/UtcTime.h"

namespace navtex {

const std::vector<std::string>& ListHeadings() {
    static const std::vector<std::string> headings{"Zeit (UTC)", "Station", "Thema", "Nr.",
                                                   "Fehler",     "Ende",    "Empfangen"};
    return headings;
}

void MessageList::ShowSubject(char b2, bool shown) {
    if (b2 < 'A' || b2 > 'Z') return;
    shown_[static_cast<std::size_t>(b2 - 'A')] = shown || !SubjectCanBeFilteredOut(b2);
}

bool MessageList::SubjectShown(char b2) const {
    return b2 < 'A' || b2 > 'Z' || shown_[static_cast<std::size_t>(b2 - 'A')];
}

bool MessageList::Passes(const StoredMessage& stored) const {
    const NavtexMessage& m = stored.message;
    // A station letter lost in the header could be the one asked for.
    return SubjectShown(m.Subject()) && (station_ == 0 || m.Station() == station_ || m.Station() == kUnknown);
}

ListRow MessageList::Row(std::size_t index) const {
    const StoredMessage& stored = memory_.Messages()[index];
    const NavtexMessage& m = stored.message;
    const Station* station = FindStation(stored.frequencyHz, m.Station());
    return {index,
            {DayAndTime(stored.firstReceived),
             std::string(1, m.Station()) + "  " + (station ? std::string(station->name) : "unbekannt"),
             std::string(1, m.Subject()) + "  " + std::string(SubjectName(m.Subject())), m.id.substr(2),
             ErrorRateText(m), m.complete ? "" : "unvollständig",
             stored.timesReceived == 1 ? "1×" : std::to_string(stored.timesReceived) + "×"}};
}

std::vector<ListRow> MessageList::AlarmRows() const {
    std::vector<ListRow> rows;
    const auto& messages = memory_.Messages();
    for (std::size_t i = messages.size(); i-- > 0;) {
        if (messages[i].frequencyHz == frequencyHz_ && SubjectIsAlarm(messages[i].message.Subject()))
            rows.push_back(Row(i));
    }
    return rows;
}

std::vector<ListRow> MessageList::OtherRows() const {
    std::vector<ListRow> rows;
    const auto& messages = memory_.Messages();
    for (std::size_t i = messages.size(); i-- > 0;) {
        const StoredMessage& stored = messages[i];
        if (stored.frequencyHz == frequencyHz_ && !SubjectIsAlarm(stored.message.Subject()) && Passes(stored))
            rows.push_back(Row(i));
    }
    return rows;
}

std::vector<Broadcast> MessageList::NextBroadcasts(UtcSeconds now) const {
    std::vector<Broadcast> next;
    for (const Station& station : AllStations()) {
        if (station.frequencyHz != frequencyHz_) continue;
        const UtcSeconds start = NextBroadcast(station, now);
        next.push_back({start, TimeOfDay(start) + "  " + station.letter + "  " + std::string(station.name)});
    }
    std::stable_sort(next.begin(), next.end(),
                     [](const Broadcast& a, const Broadcast& b) { return a.start < b.start; });
    return next;
}

std::string FrequencyText(int frequencyHz) {
    return frequencyHz == k4209kHz ? "4209,5 kHz" : std::to_string(frequencyHz / 1000) + " kHz";
}

std::string ErrorRateText(const NavtexMessage& message) {
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f %%", 100.0 * message.ErrorRate());
    std::string text = rate;
    std::replace(text.begin(), text.end(), '.', ',');  // German decimal comma
    return text;
}

std::string Cp1252MessageShownText(const StoredMessage& stored) {
    const NavtexMessage& m = stored.message;
    std::string shown = "ZCZC " + m.id + "\r\n";
    for (const char c : m.text) {
        if (c == '\r') continue;
        if (c == '\n') {
            shown += "\r\n";
        } else {
            shown += c;
        }
    }
    return shown + (m.complete ? "\r\nNNNN" : "\r\n(unvollst\xE4ndig)");  // code page 1252
}

}  // namespace navtex
