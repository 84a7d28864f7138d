#include "navtex/StationTable.h"

#include <algorithm>
#include <tuple>

#include "navtex/StationData.h"

namespace navtex {
namespace {

constexpr int kSlotMinutes = 10;
constexpr int kCycleMinutes = 240;
constexpr UtcSeconds kDay = 24 * 3600;

constexpr bool SortedByKey() {
    for (std::size_t i = 1; i < std::size(kStations); ++i) {
        if (std::tie(kStations[i - 1].frequencyHz, kStations[i - 1].letter) >=
            std::tie(kStations[i].frequencyHz, kStations[i].letter))
            return false;
    }
    return true;
}
static_assert(SortedByKey(), "navtex/StationData.h: stations out of order or twice");

// Floor division, so that times before 1970 fall on their own day too.
UtcSeconds Midnight(UtcSeconds when) { return when - ((when % kDay) + kDay) % kDay; }

}  // namespace

std::span<const Station> AllStations() { return kStations; }

const Station* FindStation(int frequencyHz, char letter) {
    const auto found = std::lower_bound(std::begin(kStations), std::end(kStations), std::tie(frequencyHz, letter),
                                        [](const Station& station, const std::tuple<int&, char&>& key) {
                                            return std::tie(station.frequencyHz, station.letter) < key;
                                        });
    return found != std::end(kStations) && found->frequencyHz == frequencyHz && found->letter == letter ? &*found
                                                                                                       : nullptr;
}

std::array<int, kBroadcastsPerDay> SlotMinutes(char letter) {
    std::array<int, kBroadcastsPerDay> minutes{};
    for (int i = 0; i < kBroadcastsPerDay; ++i) minutes[i] = (letter - 'A') * kSlotMinutes + i * kCycleMinutes;
    return minutes;
}

std::array<int, kBroadcastsPerDay> BroadcastMinutes(const Station& station) {
    if (station.publishedMinutes[0] < 0) return SlotMinutes(station.letter);
    std::array<int, kBroadcastsPerDay> minutes{};
    std::copy(station.publishedMinutes.begin(), station.publishedMinutes.end(), minutes.begin());
    return minutes;
}

UtcSeconds NextBroadcast(const Station& station, UtcSeconds now) {
    const UtcSeconds midnight = Midnight(now);
    const std::array<int, kBroadcastsPerDay> minutes = BroadcastMinutes(station);
    for (const int minute : minutes) {
        if (midnight + minute * 60 >= now) return midnight + minute * 60;
    }
    return midnight + kDay + minutes[0] * 60;
}

const Station* StationOnAir(int frequencyHz, UtcSeconds when) {
    const UtcSeconds minute = (when - Midnight(when)) / 60;
    for (const Station& station : kStations) {
        if (station.frequencyHz != frequencyHz) continue;
        for (const int start : BroadcastMinutes(station)) {
            if (minute >= start && minute < start + kSlotMinutes) return &station;
        }
    }
    return nullptr;
}

}  // namespace navtex
