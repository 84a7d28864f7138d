#pragma once
// The NAVTEX coast stations of NAVTEX area I and the Baltic, keyed by
// frequency and station letter (letters repeat across frequencies), with the
// times they broadcast. The data is navtex/data/stations.csv, compiled in.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace navtex {

using UtcSeconds = std::int64_t;

inline constexpr int k490kHz = 490'000;
inline constexpr int k518kHz = 518'000;
inline constexpr int k4209kHz = 4'209'500;
// What a NAVTEX receiver is set to, lowest first.
inline constexpr std::array<int, 3> kFrequencies{k490kHz, k518kHz, k4209kHz};

inline constexpr int kBroadcastsPerDay = 6;

struct Station {
    int frequencyHz;
    char letter;              // B1
    std::string_view name;    // UTF-8
    std::string_view country; // in German
    double latitudeDeg;       // north positive
    double longitudeDeg;      // east positive
    // Minutes after midnight UTC as published; all -1 where the slot rule gives them.
    std::array<std::int16_t, kBroadcastsPerDay> publishedMinutes;
    bool timesToVerify;       // derived, not yet checked against a published list
};

// Sorted by frequency and letter.
std::span<const Station> AllStations();

// Null for a station the table does not hold.
const Station* FindStation(int frequencyHz, char letter);

// Each letter owns ten minutes every four hours: A at 00:00, B at 00:10 ... X
// at 03:50 UTC. Minutes after midnight, earliest first.
std::array<int, kBroadcastsPerDay> SlotMinutes(char letter);

// The published times where there are any, else the slot rule's.
std::array<int, kBroadcastsPerDay> BroadcastMinutes(const Station& station);

// The start of the station's first broadcast at or after now.
UtcSeconds NextBroadcast(const Station& station, UtcSeconds now);

// The station whose ten minutes on this frequency hold the time, null in a
// slot no station of the table owns: the letter of a header that lost it.
const Station* StationOnAir(int frequencyHz, UtcSeconds when);

}  // namespace navtex
